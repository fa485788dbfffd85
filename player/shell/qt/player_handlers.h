// What the window drives: the player's key handlers, its timer and its closing, and the models
// of the controls it mirrors. PlayerShell is the real one; tests drive the window with a fake.
#pragma once

#include "player/shell/config.h"
#include "player/shell/view.h"

namespace vek::player {

class PlayerShell;

class PlayerHandlers {
  public:
    virtual ~PlayerHandlers() = default;
    virtual int FormKeyDown(int key, unsigned shift) = 0;
    virtual char FormKeyPress(char ch) = 0;
    virtual void Timer1Timer() = 0;
    virtual void FormClose() = 0;
    virtual const MainBoxModel& mainBox() const = 0;
    virtual const MainMemoModel& mainMemo() const = 0;
    virtual const DotazEditModel& dotazEdit() const = 0;
    // How the window shows its text; the window changes it on Ctrl+Plus and Ctrl+Minus.
    virtual DisplaySettings& display() = 0;
};

// The handlers of a PlayerShell.
class ShellHandlers : public PlayerHandlers {
  public:
    explicit ShellHandlers(PlayerShell& shell) : shell_(shell) {}
    int FormKeyDown(int key, unsigned shift) override;
    char FormKeyPress(char ch) override;
    void Timer1Timer() override;
    void FormClose() override;
    const MainBoxModel& mainBox() const override;
    const MainMemoModel& mainMemo() const override;
    const DotazEditModel& dotazEdit() const override;
    DisplaySettings& display() override;

  private:
    PlayerShell& shell_;
};

}  // namespace vek::player
