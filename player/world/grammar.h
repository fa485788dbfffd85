// Prepares every item's Co so that the game commands announce items with their recorded names.
#pragma once

#include "player/world/world.h"
#include "player/world/world_host.h"

namespace vek::player {

// ApplyGrammarDefaults: an empty Co becomes the item's name; an item with a sound gets
// " PLAY(sound);" appended unless its Co already holds "PLAY(". A second pass changes nothing.
void ApplyGrammarDefaults(GameState& world, WorldHost* host = nullptr);

}  // namespace vek::player
