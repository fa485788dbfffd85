#include "common/paths.h"
#include "player/world/world.h"
