// The key map of the main window and its MenuState machine: what each key does in each state,
// the Enter sequence, Escape, the entry announcements, and the input of a waiting READ.
#pragma once

#include <string>

#include "common/windows_keys.h"
#include "player/shell/menu_state.h"

namespace vek::player {

class PlayerShell;

class KeyMap {
  public:
    explicit KeyMap(PlayerShell& shell) : shell_(shell) {}
    KeyMap(const KeyMap&) = delete;
    KeyMap& operator=(const KeyMap&) = delete;

    // See PlayerShell::FormKeyDown and PlayerShell::FormKeyPress.
    int FormKeyDown(int key, unsigned shift);
    char FormKeyPress(char ch);

    // The MenuState machine.
    MenuState state() const { return state_; }
    void SetState(MenuState state) { state_ = state; }
    // The main menu's selection, kept while a list or the system menu is shown.
    int mainMenuIndex() const { return mainMenuIndex_; }
    void ForgetMainMenuSelection() { mainMenuIndex_ = -1; }
    bool quitRequested() const { return quitRequested_; }

    // The text of main command i (0 "Rozhlédni se" ... 8 "Menu") as the scenario names it.
    std::string MainCommandText(int i) const;
    // Queues what names entry i of the list shown (nothing when the screen reader reads them).
    void Announce(int i);

  private:
    void StartPlay();
    void DispatchCommandChar(char ch, int index, const std::string& text);
    void EnterSequence(int index, const std::string& text);
    void EscapeKey();
    char InputModeChar(char ch);
    void TypeIntoDotazEdit(char ch);
    void SetSelection(int i);
    void CloseIfQuitting();

    PlayerShell& shell_;
    MenuState state_ = MenuState::SystemMenu;
    int mainMenuIndex_ = -1;
    bool quitRequested_ = false;
};

}  // namespace vek::player
