// Reads a scenario file into the world model, the sound list and the system texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "player/world/world.h"
#include "player/world/world_host.h"

namespace vek {
class TSeznamZvuku;
class SystemTexts;
}  // namespace vek

namespace vek::player {

// "Chyba při načítání souboru"
inline constexpr const char* kLoadErrorText =
    "Chyba p\xF8i na\xE8\xED"
    "t\xE1"
    "n\xED souboru";
inline constexpr const char* kLoadErrorCaption = "Chyba";

struct WorldLoadSetup {
    WorldHost& host;
    TSeznamZvuku* soundList = nullptr;   // none: sound entries are not registered
    SystemTexts* systemTexts = nullptr;  // none: the system texts are left alone
    // Told each sound entry as read, before the sound list keeps or drops it (the checker).
    std::function<void(std::string_view entry)> onSoundEntry = nullptr;
};

// LoadWorld: replaces the scenario part of `world` with the file's contents (the file name is
// resolved like every Windows-authored path). False, with the error box shown and the model
// untouched, when the file cannot be opened.
bool LoadWorld(const std::string& scenarioFileName, GameState& world, const WorldLoadSetup& setup);

// The same from bytes already in memory (tests, fuzzing): never fails.
void LoadWorldFromBytes(std::string bytes, GameState& world, const WorldLoadSetup& setup);

}  // namespace vek::player
