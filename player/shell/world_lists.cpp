#include "player/shell/world_lists.h"

namespace vek::player {

const StringList& ItemsHere(const GameState& world) {
    static const StringList kNone;
    return world.CurrentWindow ? world.CurrentWindow->Items : kNone;
}

std::string MixedItemId(const GameState& world, int i) {
    const int held = static_cast<int>(world.Inventory.size());
    if (i < 0)
        return {};
    if (i < held)
        return world.Inventory[i];
    const StringList& here = ItemsHere(world);
    return i - held < static_cast<int>(here.size()) ? here[i - held] : std::string();
}

}  // namespace vek::player
