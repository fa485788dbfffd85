#include "player/world/grammar.h"

namespace vek::player {

void ApplyGrammarDefaults(GameState& world, WorldHost* host) {
    if (host)
        host->Report("Grammar settings");
    for (std::size_t i = 0; i < world.ItemList.size(); ++i) {
        TPredmet& item = *world.ItemList.at(i);
        if (item.Co.empty())
            item.Co = item.Name;
        if (!item.SoundId.empty() && item.Co.find("PLAY(") == std::string::npos)
            item.Co += " PLAY(" + item.SoundId + ");";
    }
}

}  // namespace vek::player
