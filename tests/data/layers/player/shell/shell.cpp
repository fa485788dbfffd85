#include "player/script/engine.h"
#include "editor/document/document.h"
#include <QString>
