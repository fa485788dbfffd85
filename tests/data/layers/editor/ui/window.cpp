#include <QWidget>
#include "editor/cli/help_page.h"
#include "editor/document/document.h"
#include "player/script/engine.h"
#include "player/shell/shell.h"
#include "player/sound/sound_list.h"
