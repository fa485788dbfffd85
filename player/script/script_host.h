// The script engine's window on the player: everything a script run does outside the world model
// goes through this interface. The Qt window and the walkthrough runner implement it; tests
// implement it to answer every wait themselves.
//
// Texts are code page 1250. Every call happens on the one user-interface thread.
#pragma once

#include <functional>
#include <string>

#include "player/world/world_host.h"

namespace vek::player {

class ScriptHost : public WorldHost {
  public:
    // --- The text pane MainMemo ---
    // ShowText: a text that is empty or only spaces is not written (false); otherwise at most one
    // leading and one trailing space are removed, the pane is emptied first when `clear` is set,
    // and the text becomes a new last line (true).
    virtual bool ShowText(const std::string& text, bool clear) = 0;
    // ShowText without clearing, of a statement's text that a sound of the same statement says
    // (PLAY, PLAYSEC, PLAYBG): a voice reading the pane need not read it.
    virtual bool ShowSaidText(const std::string& text) { return ShowText(text, false); }
    virtual void ClearMemo() = 0;
    // Moves the caret to the start of the pane, so that a screen reader reads from the top.
    virtual void MemoCaretToStart() = 0;

    // --- The command list MainBox ---
    virtual void SetMainBoxVisible(bool visible) = 0;

    // --- The entry field DotazEdit of READ ---
    virtual void ClearDotazEdit() = 0;
    // Shows the field and gives it the focus.
    virtual void ShowDotazEdit() = 0;
    virtual std::string DotazEditText() const = 0;

    // --- The nested wait of WAIT, READ and the end of a game ---
    // Processes window messages (keys, timer ticks, and with them the main cycle) until
    // `waiting` answers false. The key handler ends the wait by clearing ScriptState's
    // ReadKeyMode or ReadLineMode. Must return when the program is closing, even if the flag is
    // still set. Returns at once when `waiting` is already false.
    virtual void WaitWhile(const std::function<bool()>& waiting) = 0;

    // --- The game the engine runs in ---
    // The main cycle may run: a game runs and the main menu or one of its lists is showing
    // (not the intro, not the system menu or its lists).
    virtual bool CycleMayRun() const = 0;
    // The game has ended (WIN or LOSE, after the final key): no game runs any more and the
    // system menu is shown, without the entries that go back to or save the game.
    virtual void EndGame() = 0;
    // MainMenuIndex = -1: the first main menu after the intro has nothing selected.
    virtual void ForgetMainMenuSelection() = 0;
};

}  // namespace vek::player
