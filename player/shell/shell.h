// The player's main window without a toolkit: the key map, the 100 ms timer, the command lists,
// the game commands, saved positions, configuration and start-up. A view (view.h) mirrors its
// state on screen; the Qt window and the walkthrough runner both drive it through the handlers
// below, exactly as a window delivers keys: FormKeyDown with the virtual key code, then, for a
// key that produces a character, FormKeyPress with that character (code page 1250).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "player/shell/clock.h"
#include "player/shell/menu_state.h"
#include "player/shell/view.h"

namespace vek {

class SoundDevice;
class SoundObserver;

// Windows virtual key codes the player knows.
namespace vk {
inline constexpr int Back = 8;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33;  // Page Up
inline constexpr int Next = 34;   // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
}  // namespace vk

// Modifier keys held with a key (a set of flags).
enum ShiftState : unsigned { ShiftNone = 0, ShiftShift = 1, ShiftCtrl = 2, ShiftAlt = 4 };

struct ShellSetup {
    ShellView& view;
    SoundDevice& device;
    const Clock& clock;
    std::uint32_t seed = 1;             // random source of probability conditions
    bool trace = false;                 // Report writes report.txt
    std::string scenarioArgument;       // the first command-line argument, or empty
    SoundObserver* observer = nullptr;  // hears what the queues and the background start
};

class PlayerShell {
  public:
    explicit PlayerShell(ShellSetup setup);
    ~PlayerShell();
    PlayerShell(const PlayerShell&) = delete;
    PlayerShell& operator=(const PlayerShell&) = delete;

    // Window creation: InitPlayer, the scenario name, the system menu. Errors are shown once and
    // the player goes on (silent when the sound output failed).
    void FormCreate();
    // Window closing: queues and background stopped, configuration written, sound closed.
    void FormClose();

    // Every key: its virtual key code and the modifiers held. Answers the key code the focused
    // control may still act on (0 = swallowed). The shell itself moves the list selection.
    int FormKeyDown(int key, unsigned shift = ShiftNone);
    // Every key that produces a character, after FormKeyDown (also when that swallowed the key).
    // Answers the character left for the focused control ('*' = consumed); a character left
    // while the entry field has the focus is typed into it by the shell (8 deletes the last one).
    char FormKeyPress(char ch);
    // The 100 ms timer.
    void Timer1Timer();

    const MainBoxModel& mainBox() const { return mainBox_; }
    const MainMemoModel& mainMemo() const { return mainMemo_; }
    const DotazEditModel& dotazEdit() const { return dotazEdit_; }
    MenuState menuState() const { return menuState_; }
    bool quitRequested() const { return quitRequested_; }
    bool gameRunning() const { return gameRunning_; }
    // A script waits for a line, a key or the end of a game.
    bool readLineMode() const { return readLineMode_; }
    bool readKeyMode() const { return readKeyMode_; }

  private:
    ShellSetup setup_;
    MainBoxModel mainBox_;
    MainMemoModel mainMemo_;
    DotazEditModel dotazEdit_;
    MenuState menuState_ = MenuState::SystemMenu;
    bool quitRequested_ = false;
    bool gameRunning_ = false;
    bool readLineMode_ = false;
    bool readKeyMode_ = false;
};

}  // namespace vek
