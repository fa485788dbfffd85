#include "player/world/world.h"
#include "player/sound/sound_list.h"
