// Reads a scenario file into the world model, the sound list and the system texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "player/world/world.h"
#include "player/world/world_host.h"

namespace vek::player {

inline constexpr const char* kLoadErrorText = "Chyba při načítání souboru"_cp;
inline constexpr const char* kLoadErrorCaption = "Chyba";

// Where the loader puts the scenario's sound entries. The world model knows nothing of sound;
// the player binds this to its sound list and system texts (player/script/scenario_sounds.h).
class ScenarioSounds {
  public:
    virtual ~ScenarioSounds() = default;
    // Before the file is read: only the entries every scenario has are left.
    virtual void Clear() = 0;
    // The whole value of a NOVYWAV= or NOVYSYSWAV= line.
    virtual void AddNahravku(std::string_view entryLine) = 0;
    // After the file is closed: entries that point into sound collections become playable.
    virtual void AttachCollections() = 0;
    // The system texts taken from the scenario's sound entries, over their defaults.
    virtual void LoadSystemTexts() = 0;
};

struct WorldLoadSetup {
    WorldHost& host;
    ScenarioSounds* sounds = nullptr;  // none: sound entries are skipped
    // The file, once read, replaces the whole game: the model first takes its new-game state
    // (ResetForNewGame), so that nothing of a previous scenario survives.
    bool freshGame = false;
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
