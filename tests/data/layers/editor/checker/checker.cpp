#include "editor/cli/command_line.h"
#include "editor/document/document.h"
#include "player/shell/config.h"
#include "player/world/loader.h"
