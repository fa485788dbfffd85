// The key map on its own: its MenuState table (letters, the Enter sequence, Escape, the
// function keys) against a host that only records what it is asked, and the rule that a reply
// of higher priority holds a key back only while something waits behind it.
#include "player/shell/key_map.h"

#include <gtest/gtest.h>

#include <map>

#include "player/shell/narrator.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::player {
namespace {

using Strings = std::vector<std::string>;

class RecordingHost : public KeyMapHost {
  public:
    explicit RecordingHost(MenuState& state, MainBoxModel& box) : state_(state), box_(box) {}

    void BuildMenu() override {
        auto it = entries.find(state_);
        box_.entries = it != entries.end() ? it->second : Strings{};
        box_.selection = -1;
    }
    void RunCommand(KeyCommand command, int index) override {
        static const char* const kNames[] = {"LookAround", "GoTo",         "Examine",     "Take",
                                             "PutDown",    "Use",          "UseOnTarget", "TalkTo",
                                             "ShowList",   "LoadPosition", "SavePosition"};
        calls.push_back(std::string(kNames[static_cast<int>(command)]) + " " +
                        std::to_string(index));
    }
    void NewGame() override { calls.push_back("NewGame"); }
    void ShowOptions() override { calls.push_back("ShowOptions"); }
    void ChooseScenario(const std::string& fileName) override {
        calls.push_back("ChooseScenario " + fileName);
    }
    int RunScript(EventKind, const StringList&, bool) override { return 0; }
    void ClearMemo() override {}
    bool GameRunning() const override { return gameRunning; }
    bool Closing() const override { return false; }
    bool KeyWaitInsideLineRead() const override { return false; }

    std::map<MenuState, Strings> entries;
    Strings calls;
    bool gameRunning = true;

  private:
    MenuState& state_;
    MainBoxModel& box_;
};

class QuietView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& r) override { return r.defaultAnswer; }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
};

class KeyMapTest : public test::SoundFixture {
  protected:
    KeyMapTest() {
        speech.speakTexts = false;  // queue items are the bare keys
        host.entries[MenuState::MainMenu] = {
            "Rozhl\xE9\x64ni se", "Jdi",        "Prozkoumej", "Vezmi", "Polo\x9E",
            "Pou\x9Eij",          "Promluv si", "Seznam",     "Menu"};
        host.entries[MenuState::GoList] = {"Jdi", "sklep"};  // a path named like its command
        host.entries[MenuState::UseList] = {"n\xF9\x9E"};
        host.entries[MenuState::UseOnList] = {"Pou\x9Eij", "st\xF9l"};
        host.entries[MenuState::SystemMenu] = {"Zp\xEDt do hry", "Na\xE8ti", "Konec"};
        host.entries[MenuState::LoadList] = {"Pr\xE1zdn\xE1 pozice", "Pozice 0"};
        host.entries[MenuState::SaveList] = {"Pr\xE1zdn\xE1 pozice", "Pozice 0"};
        host.entries[MenuState::ScenarioList] = {"borvatin.scn"};
    }
    void open(MenuState s, int selection) {
        state = s;
        host.BuildMenu();
        mainBox.selection = selection;
        primary.StopUpTo(9);
    }
    Strings pending() const { return Strings(primary.Pending().begin(), primary.Pending().end()); }

    MenuState state = MenuState::MainMenu;
    GameState world;
    ScriptState script;
    SystemTexts texts;
    MainBoxModel mainBox;
    MainMemoModel mainMemo;
    DotazEditModel dotazEdit;
    QuietView view;
    SpeechSettings speech;
    RecordingHost host{state, mainBox};
    Narrator narrator{NarratorContext{speech, view, primary, secondary, env, mainBox, [](int) {},
                                      [](std::string_view) {}},
                      nullptr};
    KeyMap keys{KeyMapContext{host, state, world, script, primary, background, texts, mainBox,
                              mainMemo, dotazEdit, view, narrator}};
};

TEST_F(KeyMapTest, LettersOpenListsFromTheMainMenuOnly) {
    open(MenuState::MainMenu, 0);
    keys.FormKeyPress('J');
    EXPECT_EQ(state, MenuState::GoList);
    keys.FormKeyPress('z');  // outside the main menu a letter does nothing
    EXPECT_EQ(state, MenuState::GoList);
    open(MenuState::MainMenu, 0);
    keys.FormKeyPress('r');
    EXPECT_EQ(host.calls, Strings{"LookAround -1"});
    EXPECT_EQ(state, MenuState::MainMenu);
    keys.FormKeyPress('m');
    EXPECT_EQ(state, MenuState::TalkList);
}

TEST_F(KeyMapTest, EnterOpensAListWithoutChoosingInItAndChoosesOnlyEntriesOfTheList) {
    open(MenuState::MainMenu, 1);  // "Jdi"
    keys.FormKeyPress('\r');
    EXPECT_EQ(state, MenuState::GoList);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(keys.mainMenuIndex(), 1);

    mainBox.selection = 0;  // a path whose name is "Jdi" cannot be chosen
    keys.FormKeyPress('\r');
    EXPECT_TRUE(host.calls.empty());
    mainBox.selection = 1;
    keys.FormKeyPress('\r');
    EXPECT_EQ(host.calls, Strings{"GoTo 1"});

    // In the use-on list any chosen entry is a target, whatever its text.
    host.calls.clear();
    open(MenuState::UseOnList, 0);
    keys.FormKeyPress('\r');
    EXPECT_EQ(host.calls, Strings{"UseOnTarget 0"});

    // Slots: an empty one cannot be loaded, but can be saved in.
    host.calls.clear();
    open(MenuState::LoadList, 0);
    keys.FormKeyPress('\r');
    mainBox.selection = 1;
    keys.FormKeyPress('\r');
    open(MenuState::SaveList, 0);
    keys.FormKeyPress('\r');
    EXPECT_EQ(host.calls, (Strings{"LoadPosition 1", "SavePosition 0"}));

    // A scenario chosen from the list becomes the next new game's.
    host.calls.clear();
    open(MenuState::ScenarioList, 0);
    keys.FormKeyPress('\r');
    EXPECT_EQ(host.calls, Strings{"ChooseScenario borvatin.scn"});
    EXPECT_EQ(state, MenuState::SystemMenu);
}

TEST_F(KeyMapTest, EscapeFollowsItsTable) {
    struct Row {
        MenuState from;
        bool gameRunning;
        Strings said;
        MenuState to;
    };
    const Row rows[] = {
        {MenuState::GoList, true, {"SZnikam"}, MenuState::MainMenu},
        {MenuState::ExamineList, true, {"SZnic"}, MenuState::MainMenu},
        {MenuState::PutList, true, {"SZnic"}, MenuState::MainMenu},
        {MenuState::TalkList, true, {}, MenuState::MainMenu},
        {MenuState::ListMenu, true, {"SZzadny"}, MenuState::MainMenu},
        {MenuState::UseOnList, true, {}, MenuState::UseList},
        {MenuState::SystemMenu, true, {}, MenuState::MainMenu},
        {MenuState::SystemMenu, false, {}, MenuState::SystemMenu},
        {MenuState::LoadList, false, {}, MenuState::SystemMenu},
        {MenuState::ScenarioList, true, {}, MenuState::SystemMenu},
        {MenuState::MainMenu, true, {}, MenuState::MainMenu},
    };
    for (const Row& row : rows) {
        host.gameRunning = row.gameRunning;
        open(row.from, -1);
        keys.FormKeyPress(27);
        EXPECT_EQ(pending(), row.said) << menuStateName(row.from);
        EXPECT_EQ(state, row.to) << menuStateName(row.from);
    }
}

TEST_F(KeyMapTest, FunctionKeysJumpToTheSlotListsAndF2OnlyDuringAGame) {
    host.gameRunning = false;
    open(MenuState::SystemMenu, 0);
    keys.FormKeyDown(vk::F2, ShiftNone);
    EXPECT_EQ(state, MenuState::SystemMenu);
    EXPECT_EQ(pending(), Strings{"SZdot"});
    open(MenuState::SystemMenu, 0);
    keys.FormKeyDown(vk::F3, ShiftNone);
    EXPECT_EQ(state, MenuState::LoadList);
    EXPECT_EQ(pending(), Strings{"SZnacti"});
    host.gameRunning = true;
    open(MenuState::GoList, 1);
    keys.FormKeyDown(vk::F2, ShiftNone);
    EXPECT_EQ(state, MenuState::SaveList);
    EXPECT_EQ(pending(), Strings{"SZuloz"});
}

// A reply of priority 1 that plays with nothing behind it leaves the arrows working; a click
// or an entry's name waiting behind it holds them back.
TEST_F(KeyMapTest, AReplyOfHigherPriorityHoldsKeysOnlyWhileSomethingWaitsBehindIt) {
    addSound("SZnelzevzit", "nelze.wav", 3000, "1");
    addSound("SZjdi", "jdi.wav", 300);
    open(MenuState::MainMenu, 0);
    primary.Add("SZnelzevzit");
    primary.Tick();
    ASSERT_TRUE(primary.Playing());

    EXPECT_NE(keys.FormKeyDown(vk::Down, ShiftNone), 0);
    EXPECT_EQ(mainBox.selection, 1);
    EXPECT_EQ(pending(), Strings{"SZjdi"});  // named behind the reply
    EXPECT_EQ(keys.FormKeyDown(vk::Down, ShiftNone), 0);
    EXPECT_EQ(mainBox.selection, 1);

    // What only an option adds never holds a key back.
    primary.StopUpTo(9);
    primary.Add("SZnelzevzit");
    primary.Tick();
    primary.Add(Marked("SZjdi", Optional));
    EXPECT_NE(keys.FormKeyDown(vk::Down, ShiftNone), 0);
    EXPECT_EQ(mainBox.selection, 2);
    EXPECT_TRUE(primary.Playing());  // the reply goes on
}

}  // namespace
}  // namespace vek::player
