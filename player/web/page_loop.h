// The browser player's event loop. The page is single-threaded: a key handler or a tick that
// reaches a script's WAIT or READ must let the page go on while it waits, so the loop sleeps
// through Asyncify (vek_page_wait_event) and every nested wait of the shell runs this same loop
// until its condition holds, as the Qt window runs a nested QEventLoop.
//
// Two kinds of time: in play the 100 ms timer follows the wall clock; in the test mode time moves
// only when the page asks (Ticks events), a tick advancing a VirtualClock and a VirtualDevice as
// VEK2 --walk does, so a test can play a key file and get the same transcript.
#pragma once

#include <functional>
#include <optional>

#include "player/shell/clock.h"
#include "player/shell/options.h"
#include "player/shell/shell.h"
#include "player/shell/walk_transcript.h"
#include "player/sound/virtual_device.h"
#include "player/web/page_events.h"

namespace vek::web {

// Virtual time, for the test mode.
struct SteppedTime {
    player::VirtualClock& clock;
    VirtualDevice& device;
};

class PageLoop {
  public:
    static constexpr int kTickMs = 100;

    explicit PageLoop(std::optional<SteppedTime> stepped) : stepped_(stepped) {}

    void attach(player::PlayerShell* shell, player::WalkTranscript* transcript) {
        shell_ = shell;
        transcript_ = transcript;
    }

    // Handles events and ticks until `done` answers true or the page closes.
    void runUntil(const std::function<bool()>& done);
    // Runs the player until the page closes.
    void run() {
        runUntil([] { return false; });
    }

    void tick();
    void setTimerEnabled(bool enabled);
    void requestClose() { closing_ = true; }
    bool closing() const { return closing_; }

    // The modal dialogs: the answer of the message box shown, the options form being edited.
    std::optional<BoxAnswer> takeAnswer() { return std::exchange(answer_, {}); }
    void editOptions(player::TOptionsForm* form) { options_ = form; }
    bool optionsOpen() const { return options_ != nullptr; }

  private:
    void handle(const PageEvent& event);
    void key(int virtualKey, unsigned shift, int character);
    void ticksUntilQuiet();
    int msToNextTick() const;

    std::optional<SteppedTime> stepped_;
    player::PlayerShell* shell_ = nullptr;
    player::WalkTranscript* transcript_ = nullptr;
    player::TOptionsForm* options_ = nullptr;
    std::optional<BoxAnswer> answer_;
    double nextTick_ = 0;  // ms on the page's clock
    bool timerEnabled_ = false;
    bool closing_ = false;
};

}  // namespace vek::web
