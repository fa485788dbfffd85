// What the player's window shows and asks, seen from the headless shell.
//
// The shell owns the state of every control (the models below) and changes it itself: list
// movement, typing into the entry field, the text pane. A view only mirrors that state on
// screen and answers the few questions that need a person or an event loop (message boxes, the
// options dialog, the nested wait). The Qt window implements it over widgets; the walkthrough
// runner implements it as a transcript; tests record it.
//
// All texts are code page 1250, as everywhere in the core.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/message_box.h"

namespace vek::player {

class TOptionsForm;

// The command list.
struct MainBoxModel {
    std::vector<std::string> entries;
    int selection = -1;  // -1: nothing selected
    bool visible = true;
    bool focused = true;  // has the keyboard focus (never while hidden)
    int fontSize = 14;    // points: 14 main and system menu, 13 "Seznam", 12 game lists, 11 files
    std::string heading;  // what the list holds, for a screen reader ("Prozkoumej", "Menu", ...)
};

// The game's text pane.
struct MainMemoModel {
    std::vector<std::string> lines;
    bool visible = true;
    int left = 221;  // x of the pane in the window's client area
    int width = 292;
    bool scrollBar = false;  // the vertical scroll bar is shown
    int caretLine = 0;       // the caret was moved to the start: 0
};

// The entry field of the script's READ actions.
struct DotazEditModel {
    std::string text;
    bool visible = false;
    bool focused = false;
};

struct MessageBoxRequest {
    std::string caption;  // "Chyba", "Stop", "Error", ...
    std::string text;     // may hold line breaks
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
};

class ShellView {
  public:
    virtual ~ShellView() = default;

    // The models changed; the view redraws from PlayerShell::mainBox() and friends.
    virtual void mainBoxChanged() {}
    virtual void dotazEditChanged() {}
    // The text pane: emptied, one line appended, or its place, scroll bar or caret changed.
    virtual void memoCleared() {}
    virtual void memoLineAdded(const std::string& line) {}
    virtual void memoLayoutChanged() {}

    // The outermost BuildMenu has refilled the command list (never in the intro).
    virtual void menuBuilt() {}

    // A script starts waiting: for any key (WAIT, the end of a game), for a line (READ(Snn)) or
    // for one key read into a variable (READ(Snn,key)).
    enum class WaitKind { Key, Line, ReadKey };
    virtual void waitStarted(WaitKind kind) {}

    // The splash window with its one label; `visible` false hides it. The view repaints at once.
    virtual void splash(const std::string& text, bool visible) {}

    // A modal message box; answers the button pressed (the default one when nobody can answer).
    virtual BoxAnswer messageBox(const MessageBoxRequest& request) = 0;

    // Shows the options dialog modally and returns when it is closed. The dialog's sliders read
    // and write `form` (TOptionsForm::SetPosition); the shell runs FormShow and FormHide itself.
    virtual void showOptions(TOptionsForm& form) = 0;

    // The nested event loop of a waiting script: processes events (keys, timer ticks) until
    // `waiting` answers false or the window is closing. Returns at once when `waiting` is false.
    virtual void waitWhile(const std::function<bool()>& waiting) = 0;

    // The shell asks the window to close; the window then calls PlayerShell::FormClose once
    // (possibly later, after the current key handler has returned).
    virtual void closeWindow() = 0;

    // Stops and restarts the 100 ms timer (a new game stops it while loading).
    virtual void setTimerEnabled(bool enabled) {}

    // A screen reader follows the window.
    virtual bool screenReaderActive() const { return false; }
    // A text the player's voice would have said, handed to the screen reader instead.
    virtual void screenReaderSay(const std::string& text) {}
};

}  // namespace vek::player
