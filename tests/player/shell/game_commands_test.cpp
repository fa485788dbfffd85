// The game commands on their own: the standard replies queue the game's recordings in the
// game's order, each carrying its own part of the text for the voice to stand in with.
#include "player/shell/game_commands.h"

#include <gtest/gtest.h>

#include "player/shell/narrator.h"
#include "player/world/loader.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::player {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kScenario =
    "VEK2 sc\xE9n\xE1\xF8\r\nSTART=dvur\r\nNOVEOKNO=dvur\r\nCESTY=\r\nkuchyn\r\n*\r\n"
    "PREDMETY=\r\nnuz\r\nkamen\r\n*\r\nNOVEOKNO=kuchyn\r\nKAM=do kuchyn\xEC\r\n"
    "NAZEVWAV=w_kuchyn\r\nNOVYPREDMET=nuz\r\nCO=n\xF9\x9E\r\nNAZEVWAV=s_nuz\r\nNA=1\r\n"
    "NOVYPREDMET=kamen\r\nCO=k\xE1men\r\nVZIT=1\r\n";

class RecordingHost : public GameCommandsHost, public WorldHost {
  public:
    int RunScript(EventKind, const StringList&, bool) override { return 0; }
    bool ShowLine(const std::string& text, bool clear, bool said) override {
        lines.push_back((clear ? "clear " : "") + text + (said ? " (said)" : ""));
        return true;
    }
    void BuildMenu() override { ++builds; }
    void ShowError(const std::string&, const std::string&) override {}
    Strings lines;
    int builds = 0;
};

class QuietView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& r) override { return r.defaultAnswer; }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
};

class GameCommandsTest : public test::SoundFixture {
  protected:
    GameCommandsTest() {
        LoadWorldFromBytes(kScenario, world, WorldLoadSetup{host, nullptr, true});
        env.voice = &narrator.voice();
    }
    Strings pending() const { return Strings(primary.Pending().begin(), primary.Pending().end()); }

    MenuState state = MenuState::GoList;
    GameState world;
    ScriptState script;
    SystemTexts texts;
    RecordingHost host;
    QuietView view;
    SpeechSettings speech;
    MainBoxModel mainBox;
    FixedLengthSynthesizer synth;
    Narrator narrator{NarratorContext{speech, view, primary, secondary, env, mainBox, [](int) {},
                                      [](std::string_view) {}},
                      &synth};
    GameCommands commands{
        GameCommandsContext{host, state, world, script, primary, texts, narrator}};
};

TEST_F(GameCommandsTest, RepliesQueueTheirRecordingsEachWithItsOwnPartOfTheText) {
    commands.GoTo(0);
    EXPECT_EQ(world.CurrentWindow->Name, "kuchyn");
    EXPECT_EQ(host.lines, Strings{"clear Jde\x9A do kuchyn\xEC (said)"});
    EXPECT_EQ(pending(),
              (Strings{WithSpeech("SZjdes", "Jde\x9A"), WithSpeech("w_kuchyn", "do kuchyn\xEC")}));
    EXPECT_EQ(state, MenuState::MainMenu);

    // "Použij", the item and "na": three recordings, the item's taken from its text.
    primary.StopUpTo(9);
    host.lines.clear();
    world.CurrentWindow = world.WindowList.Najdi("dvur");
    commands.Use(0);
    EXPECT_EQ(host.lines, Strings{"clear Pou\x9Eij n\xF9\x9E na (said)"});
    EXPECT_EQ(pending(), (Strings{WithSpeech("SZpouzij", "Pou\x9Eij"),
                                  WithSpeech("s_nuz", "n\xF9\x9E"), WithSpeech("SZna", "na")}));
    EXPECT_EQ(state, MenuState::UseOnList);
}

TEST_F(GameCommandsTest, WhatTheGameOnlyShowsIsNotSaidAndATextWithoutARecordingNeverHoldsAKey) {
    world.CurrentWindow = world.WindowList.Najdi("dvur");
    commands.LookAround();
    EXPECT_EQ(host.lines, Strings{"clear Nevid\xED\x9A nic zaj\xEDmav\xE9ho"});
    EXPECT_TRUE(pending().empty());

    // The stone has no recording of its own: the voice says its name, as speech that any key
    // drops (the queue would have nothing there to wait for).
    host.lines.clear();
    state = MenuState::TakeList;
    commands.Take(1);
    EXPECT_EQ(world.Inventory.size(), 1u);
    EXPECT_EQ(pending(), (Strings{WithSpeech("SZvzals", "Vzal jsi"), SpeechItem("k\xE1men")}));
}

}  // namespace
}  // namespace vek::player
