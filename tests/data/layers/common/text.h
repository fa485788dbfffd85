#include "common/cp1250.h"
#include "player/world/world.h"
