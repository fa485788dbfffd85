#include "common/paths.h"
#include "editor/ui/main_window.h"
#include "player/script/engine.h"
#  include <QList>
