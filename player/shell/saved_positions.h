// Saved positions: the keyed layout written and read, the old positional layout read, the
// automatic save and the fallbacks of a failed load.
#pragma once

#include <string>

namespace vek::player {

class PlayerShell;
class PositionReader;

class SavedPositions {
  public:
    explicit SavedPositions(PlayerShell& shell) : shell_(shell) {}
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

    PlayerShell& shell_;
};

}  // namespace vek::player
