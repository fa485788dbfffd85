#include "player/world/world.h"

namespace vek::player {

void GameState::ResetForNewGame() {
    ClearObjects();
    Inventory.clear();
    ObjectName.clear();
    Switches.fill(false);
    Counters.fill(0);
    for (auto& s : StringVars)
        s.clear();
    Timers.fill(0);
    IntroText.clear();
    WinText.clear();
    LoseText.clear();
    CycleText.clear();
    ScenSett = TScenSett{};
    CycleActive = false;
    CycleCounter = 0;
    CycleHasRun = false;
    MainCommandEnabled.fill(true);
}

void GameState::AdvanceTimers() {
    for (auto& t : Timers) {
        if (t <= 0)
            continue;
        t = t >= kTimerLimit ? 1 : t + 1;
    }
}

void GameState::ClearObjects() {
    // The references would dangle once their objects are destroyed.
    CurrentWindow = nullptr;
    PreviousWindow = nullptr;
    CurrentItem = nullptr;
    WindowList.Vycisti();
    ItemList.Vycisti();
}

}  // namespace vek::player
