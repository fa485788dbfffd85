// The shell against a recording view, a virtual device and a virtual clock, for what a
// walkthrough cannot show: a sound output that cannot start, the second counting of timers, the
// options dialog's volumes and the scroll bar of the text pane.
#include "player/shell/shell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "common/text_file.h"
#include "player/shell/position_file.h"
#include "player/sound/virtual_device.h"

namespace vek::player {
namespace {

class RecordingView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& request) override {
        messages.push_back(request.caption + ": " + request.text);
        if (onMessage)
            onMessage();
        return request.defaultAnswer;
    }
    void showOptions(TOptionsForm& form) override {
        if (onOptions)
            onOptions(form);
    }
    void waitWhile(const std::function<bool()>& waiting) override {
        while (waiting() && onWait)
            onWait();
    }
    void closeWindow() override { closeAsked = true; }
    bool screenReaderActive() const override { return screenReader; }

    std::vector<std::string> messages;
    std::function<void()> onMessage;  // while the box is shown, as the timer goes on meanwhile
    std::function<void(TOptionsForm&)> onOptions;
    std::function<void()> onWait;
    bool closeAsked = false;
    bool screenReader = false;
};

// Each test runs in a fresh directory of its own: the player works in the current directory.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("vek_shell_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        shell_.reset();
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }

    // The device outlives the shell: both are members, the shell reset first.
    PlayerShell& start(const std::string& deviceFailure = {}) {
        device_ = std::make_unique<VirtualDevice>(deviceFailure);
        ShellSetup setup{view_, *device_, clock_};
        setup.seed = 1;
        shell_ = std::make_unique<PlayerShell>(setup);
        shell_->FormCreate();
        return *shell_;
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock_.advanceTicks(1);
            shell_->Timer1Timer();
        }
    }
    // Presses a key as the window delivers it.
    void press(int key, char ch = 0) {
        shell_->FormKeyDown(key);
        if (ch)
            shell_->FormKeyPress(ch);
    }
    void writeScenario(const std::string& body) {
        ASSERT_TRUE(writeFileAtomically("borvatin.scn", "VEK2 sc\xE9n\xE1\xF8\r\n" + body));
    }
    void startNewGame() {
        press(vk::Down);
        press(vk::Return, '\r');  // "Nová hra"
    }

    std::filesystem::path old_;
    std::filesystem::path dir_;
    RecordingView view_;
    VirtualClock clock_{3600};
    std::unique_ptr<VirtualDevice> device_;
    std::unique_ptr<PlayerShell> shell_;
};

TEST_F(ShellTest, SoundThatCannotStartIsReportedOnceAndTheGameStillPlays) {
    writeScenario("START=a\r\nNOVEOKNO=a\r\nROZHLEDNI=\r\nTicho.\r\n*\r\n");
    PlayerShell& shell = start("no sound card");
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].rfind("Error: Chyba p\xF8i inicializaci", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists("sx00.wav"));

    tick(3);
    startNewGame();
    press(vk::Return, '\r');  // out of the intro
    ASSERT_EQ(shell.menuState(), MenuState::MainMenu);
    press(vk::Down);
    press(vk::Return, '\r');  // "Rozhlédni se"
    EXPECT_EQ(shell.mainMemo().lines, std::vector<std::string>{"Ticho."});
    tick(20);
    shell.FormClose();
    EXPECT_EQ(view_.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists("vek.cfg"));
}

TEST_F(ShellTest, ScriptTimersCountWallClockSecondsNotTicks) {
    writeScenario(
        "START=a\r\nINTROTEXT=\r\nSET(T01,1);SET(T02,2147483547);SET(T03,0);\r\n*\r\n"
        "NOVEOKNO=a\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    GameState& world = shell.world();
    ASSERT_EQ(world.Timers[1], 1);
    tick(10);  // one second of virtual time
    EXPECT_EQ(world.Timers[1], 2);
    EXPECT_EQ(world.Timers[2], 1);  // passed the limit: starts again
    EXPECT_EQ(world.Timers[3], 0);  // stopped timers stay
    tick(5);
    EXPECT_EQ(world.Timers[1], 2);
    tick(5);
    EXPECT_EQ(world.Timers[1], 3);
}

TEST_F(ShellTest, OptionsSlidersSetTheVolumesAndAreWrittenOnClosing) {
    PlayerShell& shell = start();
    tick();  // the first tick applies the saved volumes and starts the menu music
    EXPECT_EQ(shell.volumes().music, 57535);
    view_.onOptions = [&](TOptionsForm& form) {
        form.SetPosition(TOptionsForm::Slider::Hudba, 0);
        form.SetPosition(TOptionsForm::Slider::Rec, 70000);  // clamped
    };
    // The system menu before a game: Načti, Nastavení, ...
    press(vk::Down);
    press(vk::Down);
    ASSERT_EQ(shell.mainBox().entries[shell.mainBox().selection], "Nastaven\xED");
    press(vk::Return, '\r');
    EXPECT_EQ(shell.volumes().music, 0);
    EXPECT_EQ(shell.volumes().voice, 65535);
    shell.FormClose();
    EXPECT_EQ(readFileBytes("vek.cfg"),
              "VOICEVOLUME=65535\r\nSOUNDVOLUME=60535\r\nMUSICVOLUME=0\r\nPROGRAMPATH=\r\n"
              "CDPATH=D:\\\r\nSPEECHTEXTS=1\r\nSPEECHRATE=100\r\nSHOWNTEXTS=0\r\n"
              "ANNOUNCEENTRY=0\r\nENTRIESTOREADER=1\r\nTEXTSTOREADER=1\r\n");
}

TEST_F(ShellTest, ConfigurationThatCannotBeWrittenIsReportedAndTheSoundIsStillClosed) {
    std::filesystem::create_directory("vek.cfg");  // nothing can be renamed over a directory
    PlayerShell& shell = start();
    tick();
    ASSERT_GT(device_->loadedSamples(), 0u);
    shell.FormClose();
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].rfind("Chyba: ", 0), 0u);
    EXPECT_EQ(device_->loadedSamples(), 0u);
}

TEST_F(ShellTest, TextPaneShowsItsScrollBarBeyondThirteenLines) {
    std::string look;
    for (int i = 0; i < 14; ++i)
        look += "Radek " + std::to_string(i) + ".\r\n";
    writeScenario("START=a\r\nNOVEOKNO=a\r\nROZHLEDNI=\r\n" + look + "*\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Space, ' ');
    EXPECT_FALSE(shell.mainMemo().scrollBar);
    EXPECT_EQ(shell.mainMemo().left, 256);
    EXPECT_EQ(shell.mainMemo().width, 265);
    shell.FormKeyPress('r');
    EXPECT_EQ(shell.mainMemo().lines.size(), 14u);
    EXPECT_TRUE(shell.mainMemo().scrollBar);
}

TEST_F(ShellTest, ClosingDuringAWaitEndsTheWait) {
    writeScenario("START=a\r\nINTROTEXT=\r\nPrvn\xED. WAIT;\r\nDruh\xE1.\r\n*\r\nNOVEOKNO=a\r\n");
    PlayerShell& shell = start();
    tick();
    int waits = 0;
    view_.onWait = [&] {
        if (++waits == 3)
            shell.FormClose();
        else
            tick();
    };
    startNewGame();
    EXPECT_EQ(waits, 3);
    EXPECT_FALSE(shell.readKeyMode());
    EXPECT_TRUE(std::filesystem::exists("vek.cfg"));
}

// The unscrambled lines of a position file.
std::vector<std::string> positionLines(const std::string& file) {
    PositionReader reader(readFileBytes(file).value_or(""));
    std::vector<std::string> lines;
    while (!reader.AtEnd())
        lines.push_back(reader.ReadLine());
    return lines;
}

TEST_F(ShellTest, PositionKeepsVariablesCycleLimitAndBackgroundSounds) {
    ASSERT_TRUE(writeFileAtomically("dest.wav", Sx00WaveBytes()));
    writeScenario(
        "START=a\r\nINTROTEXT=\r\nPLAYBG(dest,loop,50x100);\r\n*\r\nCYKLUSINTERVAL=1 sec\r\n"
        "NOVEOKNO=a\r\nCESTY=\r\nb\r\n*\r\nNOVEOKNO=b\r\nNOVYWAV=dest=D\xE9\x9A\x9D(dest.wav)"
        "X\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    tick(3);
    GameState& world = shell.world();
    world.Switches[0] = true;
    world.Counters[1] = 255;
    world.StringVars[19] = "Jan Nov\xE1k";
    world.Timers[19] = 42;
    world.CycleActive = true;
    world.CycleHasRun = true;
    world.ScenSett.MaxItems = 3;
    shell.SavePosition(3);
    EXPECT_EQ(shell.menuState(), MenuState::MainMenu);

    std::vector<std::string> lines = positionLines("Pozice3.sav");
    ASSERT_GT(lines.size(), 150u);
    EXPECT_EQ(lines[0], "borvatin.scn verze 3.3");
    auto at = [&](const std::string& key) {
        return std::find(lines.begin(), lines.end(), key) - lines.begin();
    };
    auto pc = at("PC=");
    EXPECT_EQ(lines[pc + 1], "10");    // switch set, counter 0
    EXPECT_EQ(lines[pc + 2], "0255");  // switch clear, counter 255
    auto st = at("ST=");
    EXPECT_EQ(lines[st + 39], "Jan Nov\xE1k");
    EXPECT_EQ(lines[st + 40], "42");
    auto cycle = at("CYKLUS=");
    EXPECT_EQ(lines[cycle + 1], "5");
    EXPECT_EQ(lines[cycle + 3], "1");
    EXPECT_EQ(lines[cycle + 5], "MAX=3");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(cycle + 7));
    EXPECT_EQ(lines.back().rfind("BGSOUND=dest,", 0), 0u);
    EXPECT_EQ(lines.back().substr(lines.back().size() - 2), ",1");  // looping

    // Loading it back during the game: the game being left is saved first.
    world.Switches[0] = false;
    world.Counters[1] = 7;
    world.ScenSett.MaxItems = 99;
    shell.LoadPosition(3);
    EXPECT_TRUE(std::filesystem::exists("autosave.sav"));
    EXPECT_TRUE(shell.world().Switches[0]);
    EXPECT_EQ(shell.world().Counters[1], 255);
    EXPECT_EQ(shell.world().StringVars[19], "Jan Nov\xE1k");
    EXPECT_EQ(shell.world().ScenSett.MaxItems, 3);
    EXPECT_TRUE(shell.gameRunning());
    EXPECT_TRUE(view_.messages.empty());
    shell.SavePosition(4);
    EXPECT_EQ(positionLines("Pozice4.sav").back(), lines.back());  // the sound came back
}

TEST_F(ShellTest, PositionOfAnUnknownScenarioFileFailsWithoutAGame) {
    PositionWriter writer;
    writer.WriteLine("chybi.scn verze 3.3");
    writer.WriteLine("PC=");
    ASSERT_TRUE(writeFileAtomically("Pozice0.sav", writer.bytes()));
    PlayerShell& shell = start();
    tick();
    shell.LoadPosition(0);
    // The scenario cannot be opened, and the PC= block is cut short: both are reported.
    ASSERT_EQ(view_.messages.size(), 2u);
    EXPECT_EQ(view_.messages[1].rfind("Stop: P\xF8i pokusu", 0), 0u);
    EXPECT_FALSE(shell.gameRunning());
    EXPECT_EQ(shell.menuState(), MenuState::SystemMenu);
}

TEST_F(ShellTest, DamagedPositionFilesNeverBreakThePlayer) {
    ASSERT_TRUE(writeFileAtomically("dest.wav", Sx00WaveBytes()));
    writeScenario("START=a\r\nNOVEOKNO=a\r\nNOVYPREDMET=x\r\nNOVYWAV=dest=(dest.wav)\r\n");
    PlayerShell& shell = start();
    tick();
    auto keyed = [](std::vector<std::string> body) {
        PositionWriter writer;
        writer.WriteLine("borvatin.scn verze 9.9");
        for (const std::string& line : body)
            writer.WriteLine(line);
        return writer.bytes();
    };
    const std::vector<std::string> files = {
        std::string("\0\xFF\r\n\n\r\x01garbage", 14),
        keyed({"OKNO=a"}),          // lists and flags cut off
        keyed({"PREDMET=x", "1"}),  // a flags line too short
        keyed({"AKT=nikde", "PRED=", "MAX=-300", "CYKLUS=", "x", "99999999999", "1"}),
        keyed({"BGSOUND=dest,999999,-4,9999999,1", "BGSOUND=nic,1,2,3,1", "BGSOUND="}),
        keyed({"DRZIS=", std::string(100000, 'x')}),
        "borvatin.scn\r\n",  // the old layout, ending at once
    };
    for (const std::string& bytes : files) {
        ASSERT_TRUE(writeFileAtomically("Pozice0.sav", bytes));
        view_.messages.clear();
        shell.LoadPosition(0);
        tick(3);
        ASSERT_TRUE(shell.menuState() == MenuState::MainMenu ||
                    shell.menuState() == MenuState::SystemMenu);
        if (shell.gameRunning()) {
            ASSERT_NE(shell.world().CurrentWindow, nullptr);
            EXPECT_LE(shell.world().ScenSett.MaxItems, 255);
        }
    }
    // Values out of range were kept within the device's: full volume, no more.
    ASSERT_TRUE(writeFileAtomically("Pozice0.sav", files[4]));
    shell.LoadPosition(0);
    shell.SavePosition(1);
    std::vector<std::string> lines = positionLines("Pozice1.sav");
    EXPECT_EQ(lines.back().rfind("BGSOUND=dest,255,", 0), 0u) << lines.back();
}

TEST_F(ShellTest, PositionNamesTheScenarioBeingPlayedNotTheOneChosenSince) {
    writeScenario("START=a\r\nNOVEOKNO=a\r\nCESTY=\r\nb\r\n*\r\nNOVEOKNO=b\r\n");
    ASSERT_TRUE(writeFileAtomically("jina.scn", "VEK2\r\nSTART=x\r\nNOVEOKNO=x\r\n"));
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    shell.GoTo(0);
    // Menu, "Výběr scénáře", the second file; then back to the game.
    press(vk::End);
    press(vk::Return, '\r');
    ASSERT_EQ(shell.menuState(), MenuState::SystemMenu);
    press(vk::Home);
    for (int i = 0; i < 5; ++i)
        press(vk::Down);
    press(vk::Return, '\r');
    ASSERT_EQ(shell.menuState(), MenuState::ScenarioList);
    press(vk::End);
    press(vk::Return, '\r');
    ASSERT_EQ(shell.scenarioFileName(), "jina.scn");
    press(vk::Home);
    press(vk::Return, '\r');  // "Zpět do hry"
    ASSERT_EQ(shell.menuState(), MenuState::MainMenu);

    shell.SavePosition(0);
    EXPECT_EQ(positionLines("Pozice0.sav").front(), "borvatin.scn verze 3.3");
    shell.SavePosition(kAutosaveSlot);
    EXPECT_EQ(positionLines("autosave.sav").front(), "borvatin.scn verze 3.3");
    shell.LoadPosition(0);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(shell.scenarioFileName(), "borvatin.scn");
    ASSERT_NE(shell.world().CurrentWindow, nullptr);
    EXPECT_EQ(shell.world().CurrentWindow->Name, "b");
    // A position loaded from the other scenario is then what later saves name.
    PositionWriter writer;
    writer.WriteLine("jina.scn verze 3.3");
    writer.WriteLine("AKT=x");
    ASSERT_TRUE(writeFileAtomically("Pozice1.sav", writer.bytes()));
    shell.LoadPosition(1);
    ASSERT_TRUE(view_.messages.empty());
    shell.SavePosition(2);
    EXPECT_EQ(positionLines("Pozice2.sav").front(), "jina.scn verze 3.3");
}

TEST_F(ShellTest, PositionWhoseScenarioCannotBeOpenedGivesTheRunningGameBack) {
    writeScenario("START=a\r\nNOVEOKNO=a\r\nCESTY=\r\nb\r\n*\r\nNOVEOKNO=b\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    shell.GoTo(0);
    shell.world().Switches[7] = true;
    for (const char* header : {"chybi.scn verze 3.3", "chybi.scn"}) {
        SCOPED_TRACE(header);
        PositionWriter writer;
        writer.WriteLine(header);
        writer.WriteLine("AKT=a");
        for (int k = 0; k < 9; ++k)
            writer.WriteLine("*");
        ASSERT_TRUE(writeFileAtomically("Pozice0.sav", writer.bytes()));
        view_.messages.clear();
        shell.LoadPosition(0);
        // The scenario's own error, then the position's; the game being left comes back.
        ASSERT_EQ(view_.messages.size(), 2u);
        EXPECT_EQ(view_.messages[1].rfind("Stop: P\xF8i pokusu", 0), 0u);
        EXPECT_TRUE(shell.gameRunning());
        EXPECT_EQ(shell.scenarioFileName(), "borvatin.scn");
        ASSERT_NE(shell.world().CurrentWindow, nullptr);
        EXPECT_EQ(shell.world().CurrentWindow->Name, "b");
        EXPECT_TRUE(shell.world().Switches[7]);
        EXPECT_EQ(shell.menuState(), MenuState::MainMenu);
    }
}

TEST_F(ShellTest, PositionNumbersAreReadAsThirtyTwoBitDecimals) {
    writeScenario("START=a\r\nNOVEOKNO=a\r\n");
    PositionWriter writer;
    writer.WriteLine("borvatin.scn verze 3.3");
    writer.WriteLine("PC=");
    writer.WriteLine("1300");         // 300 modulo 256
    writer.WriteLine("0+7");          // a sign is part of a number
    writer.WriteLine("14294967303");  // beyond 32 bits: no number
    for (int k = 3; k < 100; ++k)
        writer.WriteLine("0");
    writer.WriteLine("CYKLUS=");
    for (const char* line : {"+3", "99999999999", "1", "0"})
        writer.WriteLine(line);
    writer.WriteLine("MAX=99999999999");
    ASSERT_TRUE(writeFileAtomically("Pozice0.sav", writer.bytes()));
    PlayerShell& shell = start();
    tick();
    shell.LoadPosition(0);
    ASSERT_TRUE(view_.messages.empty());
    const GameState& world = shell.world();
    EXPECT_EQ(world.Counters[0], 44);
    EXPECT_EQ(world.Counters[1], 7);
    EXPECT_TRUE(world.Switches[2]);
    EXPECT_EQ(world.Counters[2], 0);
    EXPECT_EQ(world.CycleInterval, 3);
    EXPECT_EQ(world.CycleCounter, 0);
    EXPECT_EQ(world.ScenSett.MaxItems, 99);
}

TEST_F(ShellTest, TakenItemLeavesTheWindowItWasChosenInWhenItsScriptMovesThePlayer) {
    writeScenario(
        "START=a\r\nNOVEOKNO=a\r\nPREDMETY=\r\nx\r\n*\r\nNOVEOKNO=b\r\nPREDMETY=\r\ny\r\n*\r\n"
        "NOVYPREDMET=x\r\nVEZMI=\r\nPropadl jsi se. GO(b);\r\n*\r\nVZIT=1\r\n"
        "NOVYPREDMET=y\r\nVZIT=1\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    shell.Take(0);
    GameState& world = shell.world();
    ASSERT_EQ(world.CurrentWindow->Name, "b");
    EXPECT_TRUE(world.WindowList.Najdi("a")->Items.empty());
    EXPECT_EQ(world.WindowList.Najdi("b")->Items.size(), 1u);  // y stays where it lies
    ASSERT_EQ(world.Inventory.size(), 1u);
    EXPECT_EQ(world.Inventory[0], "x");
}

// Hears what the primary queue starts.
class HeardLog : public SoundObserver {
  public:
    void queueStarted(std::string_view, std::string_view item) override {
        heard.push_back(std::string(item));
    }
    void speechStarted(std::string_view, std::string_view text) override {
        heard.push_back("tts:" + std::string(text));
    }
    std::vector<std::string> heard;
};

// No recording file exists here: the system menu's entries are named by the voice, at once,
// unless the voice is off or the entries are left to a running screen reader.
TEST_F(ShellTest, EntryWithoutItsRecordingIsNamedByTheVoiceInsideTheKeyHandler) {
    device_ = std::make_unique<VirtualDevice>();
    FixedLengthSynthesizer voice;
    HeardLog log;
    ShellSetup setup{view_, *device_, clock_};
    setup.seed = 1;
    setup.observer = &log;
    setup.synthesizer = &voice;
    shell_ = std::make_unique<PlayerShell>(setup);
    shell_->FormCreate();
    tick();
    press(vk::Down);
    EXPECT_EQ(log.heard, std::vector<std::string>{"tts:Na\xE8ti"});

    shell_->options().Speech.entriesToReader = true;
    press(vk::Down);
    // No screen reader runs: the game still reads them.
    EXPECT_EQ(log.heard.back(), "tts:Nastaven\xED");
    const std::size_t heard = log.heard.size();
    view_.screenReader = true;
    press(vk::Up);
    tick(3);
    EXPECT_EQ(log.heard.size(), heard);

    shell_->options().Speech.entriesToReader = false;
    shell_->options().Speech.speakTexts = false;
    press(vk::Down);
    tick(3);
    EXPECT_EQ(log.heard.size(), heard);
}

TEST_F(ShellTest, FailedPositionLoadShowsItsMessageBeforeTheCycleCanRunOverIt) {
    writeScenario(
        "START=a\r\nCYKLUSINTERVAL=200 ms\r\nCYKLUSAKTIVNI=1\r\nCYKLUSTEXT=\r\nSET(P05,1);\r\n*\r\n"
        "NOVEOKNO=a\r\n");
    PositionWriter writer;
    writer.WriteLine("borvatin.scn verze 3.3");
    writer.WriteLine("PC=");  // cut short: a half-read position
    ASSERT_TRUE(writeFileAtomically("Pozice0.sav", writer.bytes()));
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    press(vk::F3);
    bool cycleRanInTheBox = false;
    MenuState stateInTheBox = MenuState::Intro;
    view_.onMessage = [&] {
        stateInTheBox = shell.menuState();
        shell.world().Switches[5] = false;
        tick(5);
        cycleRanInTheBox = cycleRanInTheBox || shell.world().Switches[5];
    };
    shell.LoadPosition(0);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(stateInTheBox, MenuState::LoadList);
    EXPECT_FALSE(cycleRanInTheBox);
    EXPECT_TRUE(shell.gameRunning());  // the automatic save gave the game back
    EXPECT_EQ(shell.menuState(), MenuState::MainMenu);
}

TEST_F(ShellTest, UseOnListHoldsTheItemIdAsTheInventoryHoldsIt) {
    // The script added the item under another spelling than its own name; %1 compares exactly.
    writeScenario(
        "START=a\r\nINTROTEXT=\r\nADD(C,NUZ);\r\n*\r\nNOVEOKNO=a\r\nPREDMETY=\r\nstul\r\n*\r\n"
        "NOVYPREDMET=nuz\r\nNA=1\r\nPOUZIJ=\r\n[%1=stul]Zap\xEDchl jsi n\xF9\x9E.\r\n*\r\n"
        "NOVYPREDMET=stul\r\n");
    PlayerShell& shell = start();
    tick();
    startNewGame();
    press(vk::Return, '\r');
    shell.Use(0);
    ASSERT_EQ(shell.menuState(), MenuState::UseOnList);
    EXPECT_EQ(shell.world().ObjectName, "NUZ");
    shell.UseOnTarget(1);
    EXPECT_EQ(shell.mainMemo().lines, std::vector<std::string>{"Zap\xEDchl jsi n\xF9\x9E."});
}

}  // namespace
}  // namespace vek::player
