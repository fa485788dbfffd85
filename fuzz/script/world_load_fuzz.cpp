// Any bytes as a scenario file: loaded without crash, hang or unbounded memory, and the model
// keeps its promises afterwards.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "player/script/scenario_sounds.h"
#include "player/sound/sound_list.h"
#include "player/world/loader.h"

namespace {

class QuietHost : public vek::player::WorldHost {
  public:
    void ShowError(const std::string&, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vek::SoundBasePaths paths{"/nonexistent-fuzz-base/", ""};
    vek::TSeznamZvuku sounds(paths);
    vek::SystemTexts texts;
    vek::player::PlayerScenarioSounds scenarioSounds(sounds, texts);
    QuietHost host;
    vek::player::GameState world;
    vek::player::LoadWorldFromBytes(std::string(reinterpret_cast<const char*>(data), size), world,
                                    {host, &scenarioSounds});
    if (!world.WindowList.empty() && world.CurrentWindow == nullptr)
        std::abort();
    for (std::size_t i = 0; i < world.ItemList.size(); ++i)
        if (world.ItemList.at(i)->Co.empty() && !world.ItemList.at(i)->Name.empty())
            std::abort();
    return 0;
}
