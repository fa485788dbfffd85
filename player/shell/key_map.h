// The key map of the main window and its MenuState machine: what each key does in each state,
// the Enter sequence, Escape, the entry announcements, and the input of a waiting READ.
#pragma once

#include <string>

#include "common/windows_keys.h"
#include "player/script/engine.h"
#include "player/shell/menu_state.h"
#include "player/shell/view.h"
#include "player/sound/background.h"
#include "player/sound/queue.h"
#include "player/sound/sound_list.h"
#include "player/world/world.h"

namespace vek::player {

class Narrator;

// What a key can ask of the game: the commands of the lists, the saved positions and the
// system menu's commands.
enum class KeyCommand {
    LookAround,
    GoTo,
    Examine,
    Take,
    PutDown,
    Use,
    UseOnTarget,
    TalkTo,
    ShowList,
    LoadPosition,
    SavePosition,
};

// The shell as the key map uses it.
class KeyMapHost {
  public:
    virtual ~KeyMapHost() = default;
    virtual void BuildMenu() = 0;
    // The command with the index chosen in MainBox (ignored by LookAround).
    virtual void RunCommand(KeyCommand command, int index) = 0;
    virtual void NewGame() = 0;
    // The options dialog, shown modally.
    virtual void ShowOptions() = 0;
    // The scenario "Nová hra" will start.
    virtual void ChooseScenario(const std::string& fileName) = 0;
    virtual int RunScript(EventKind kind, const StringList& script, bool clear) = 0;
    virtual void ClearMemo() = 0;
    virtual bool GameRunning() const = 0;
    virtual bool Closing() const = 0;
    // The innermost wait is a WAIT that began while a READ line was being typed.
    virtual bool KeyWaitInsideLineRead() const = 0;
};

// What the key map works with; the shell owns all of it.
struct KeyMapContext {
    KeyMapHost& host;
    MenuState& state;
    GameState& world;
    ScriptState& script;
    TZvukFronta& primary;
    TBackFronta& background;
    const SystemTexts& texts;
    MainBoxModel& mainBox;
    MainMemoModel& mainMemo;
    DotazEditModel& dotazEdit;
    ShellView& view;
    Narrator& narrator;
};

class KeyMap {
  public:
    explicit KeyMap(KeyMapContext context) : c_(context) {}
    KeyMap(const KeyMap&) = delete;
    KeyMap& operator=(const KeyMap&) = delete;

    // See PlayerShell::FormKeyDown and PlayerShell::FormKeyPress.
    int FormKeyDown(int key, unsigned shift);
    char FormKeyPress(char ch);

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
    void SystemMenuEnter(const std::string& text);
    void EscapeKey();
    char InputModeChar(char ch);
    void TypeIntoDotazEdit(char ch);
    void SetSelection(int i);
    void CloseIfQuitting();
    void Open(MenuState state);
    // Queues the system text `key`, with its text as a stand-in.
    void Say(const char* key);
    std::string Text(const char* key) const { return c_.texts.text(key); }

    KeyMapContext c_;
    int mainMenuIndex_ = -1;
    bool quitRequested_ = false;
};

}  // namespace vek::player
