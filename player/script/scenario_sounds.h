// The loader's sound entries bound to the player's sound list and system texts.
#pragma once

#include "player/sound/sound_list.h"
#include "player/world/loader.h"

namespace vek::player {

class PlayerScenarioSounds : public ScenarioSounds {
  public:
    PlayerScenarioSounds(TSeznamZvuku& list, SystemTexts& texts) : list_(list), texts_(texts) {}

    void Clear() override;
    void AddNahravku(std::string_view entryLine) override;
    void AttachCollections() override;
    void LoadSystemTexts() override;

  private:
    TSeznamZvuku& list_;
    SystemTexts& texts_;
};

}  // namespace vek::player
