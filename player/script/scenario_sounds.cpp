#include "player/script/scenario_sounds.h"

#include "player/sound/sound_env.h"

namespace vek::player {

void PlayerScenarioSounds::Clear() {
    list_.Vycisti();
    list_.BeginLoad();
    list_.AddBasic();
}

void PlayerScenarioSounds::AddNahravku(std::string_view entryLine) {
    list_.AddNahravku(entryLine);
}

void PlayerScenarioSounds::AttachCollections() {
    list_.EndLoad();
    vek::AttachCollections(list_, list_.paths());
}

void PlayerScenarioSounds::LoadSystemTexts() {
    texts_.LoadSystemTexts(list_);
}

}  // namespace vek::player
