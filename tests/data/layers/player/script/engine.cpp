#include "player/world/world.h"
#include "player/shell/menu_state.h"
