#include "player/world/loader.h"
#include "editor/document/document.h"
