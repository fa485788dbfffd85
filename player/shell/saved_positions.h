// Saved positions: the keyed layout written and read, the old positional layout read, the
// automatic save and the fallbacks of a failed load.
#pragma once

#include <string>

#include "player/shell/menu_state.h"
#include "player/shell/view.h"
#include "player/sound/background.h"
#include "player/world/world.h"

namespace vek::player {

class PositionReader;

// The shell as the saved positions use it.
class SavedPositionsHost {
  public:
    virtual ~SavedPositionsHost() = default;
    // Loads `fileName` into the world (and its sounds) afresh; false when it cannot be read.
    virtual bool LoadScenario(const std::string& fileName) = 0;
    virtual void BuildMenu() = 0;
};

// What the saved positions work with; the shell owns all of it.
struct SavedPositionsContext {
    SavedPositionsHost& host;
    MenuState& state;
    bool& gameRunning;
    std::string& scenarioFileName;        // what "Nová hra" starts
    std::string& loadedScenarioFileName;  // what the game in progress came from
    GameState& world;
    TBackFronta& background;
    ShellView& view;
};

class SavedPositions {
  public:
    explicit SavedPositions(SavedPositionsContext context) : c_(context) {}
    SavedPositions(const SavedPositions&) = delete;
    SavedPositions& operator=(const SavedPositions&) = delete;

    // Slots 0-9, 10 the automatic save.
    void SavePosition(int slot);
    void LoadPosition(int slot);

  private:
    bool WritePosition(int slot);
    void ReadKeyedPosition(PositionReader& reader);
    void ReadOldPosition(PositionReader& reader);
    bool LoadScenarioForPosition(const std::string& fileName);
    void FinishLoad(int slot, bool loadError);
    void ShowStop(const char* text);
    void SetState(MenuState state);

    SavedPositionsContext c_;
};

}  // namespace vek::player
