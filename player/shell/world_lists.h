// The world's lists as the command lists show them.
#pragma once

#include <string>

#include "player/world/world.h"

namespace vek::player {

// The items lying in the current window (none without one).
const StringList& ItemsHere(const GameState& world);
// Entry i of a list of the inventory followed by the items here; "" when out of range.
std::string MixedItemId(const GameState& world, int i);

}  // namespace vek::player
