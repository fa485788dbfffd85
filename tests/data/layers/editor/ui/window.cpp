#include <QWidget>
#include "editor/document/document.h"
#include "player/script/engine.h"
#include "player/sound/sound_list.h"
