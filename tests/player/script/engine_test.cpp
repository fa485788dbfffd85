#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "script_fakes.h"

namespace vek::player::testing {
namespace {

using Lines = std::vector<std::string>;

class RunScriptTest : public ::testing::Test, public EngineFixture {
  protected:
    void SetUp() override {
        world.CurrentWindow = window("Kuchyn");
        world.CurrentItem = item("lampa");
    }
};

TEST_F(RunScriptTest, CountsExecutedActionParts) {
    EXPECT_EQ(run({"Jedna", "Dva", "T\xF8i"}), 3);
    EXPECT_EQ(host.memo, Lines({"Jedna", "Dva", "T\xF8i"}));
    EXPECT_EQ(run({}), 0);
}

TEST_F(RunScriptTest, NothingAcceptedLeavesThePaneAlone) {
    host.memo = {
        "p\xF8"
        "edt\xEDm"};
    EXPECT_EQ(run({"[P01=1]Text;"}, EventKind::Examine, true), 0);
    EXPECT_EQ(host.memo, Lines({"p\xF8"
                                "edt\xEDm"}));
    EXPECT_TRUE(host.events.empty());
}

TEST_F(RunScriptTest, ClearsOnceBeforeTheFirstExecutionAndMovesTheCaret) {
    host.memo = {"star\xE9"};
    EXPECT_EQ(run({"A", "B"}, EventKind::Look, true), 2);
    EXPECT_EQ(host.events, Lines({"clear", "show A", "show B", "caret"}));
    host.events.clear();
    run({"C"}, EventKind::MainCycle, false);
    EXPECT_EQ(host.events, Lines({"show C"}));  // the cycle keeps the caret where it is
}

TEST_F(RunScriptTest, ElseAndLast) {
    const Lines elseScript = {"[P01=1]A;", "[ELSE]B;"};
    run(elseScript);
    EXPECT_EQ(host.memo, Lines({"B;"}));
    host.memo.clear();
    world.Switches[1] = true;
    run(elseScript);
    EXPECT_EQ(host.memo, Lines({"A;"}));

    const Lines lastScript = {"[P01=1]A;", "[LAST]B;"};
    host.memo.clear();
    run(lastScript);
    EXPECT_EQ(host.memo, Lines({"A;", "B;"}));
    host.memo.clear();
    world.Switches[1] = false;
    run(lastScript);
    EXPECT_TRUE(host.memo.empty());

    // An unconditional line holds for LAST but does not count for ELSE.
    host.memo.clear();
    run({"X;", "[LAST]B;", "[ELSE]C;"});
    EXPECT_EQ(host.memo, Lines({"X;", "B;"}));
    host.memo.clear();
    run({"X;", "[ELSE]C;"});
    EXPECT_EQ(host.memo, Lines({"X;", "C;"}));
}

TEST_F(RunScriptTest, AllConditionsAreEvaluatedBeforeAnyAction) {
    EXPECT_EQ(run({"SET(P01,1);", "[P01=1]Text;"}), 1);
    EXPECT_TRUE(host.memo.empty());
    EXPECT_TRUE(world.Switches[1]);
}

TEST_F(RunScriptTest, ReadRunsThePendingActionsFirst) {
    host.answers = {"Jan*ek"};
    EXPECT_EQ(run({"SET(P01,1);", "READ(S01)", "[P01=1]Text;"}), 1);
    EXPECT_EQ(host.memo, Lines({"Text;"}));
    EXPECT_EQ(world.StringVars[1], "Janek");
    EXPECT_FALSE(engine.state().ReadLineMode);
}

TEST_F(RunScriptTest, ReadFormsAreComparedExactly) {
    host.answers = {"ano"};
    run({"read(S02,key)"});
    EXPECT_EQ(world.StringVars[2], "a");
    EXPECT_EQ(host.events, Lines({"dotaz cleared", "mainbox hidden", "wait"}));

    host.events.clear();
    host.answers = {"ne"};
    world.StringVars[2] = "beze zm\xECny";
    run({"Ot\xE1zka;", "READ(S02,KEY)"});
    EXPECT_EQ(world.StringVars[2], "beze zm\xECny");
    EXPECT_EQ(host.events, Lines({"show Ot\xE1zka;", "dotaz cleared"}));

    host.events.clear();
    run({"READ(S25)", "READ(Sxx)"});
    EXPECT_TRUE(host.events.empty());
    // Cut short: the field is emptied, nothing is waited for.
    run({"READ(S0", "READ(S01", "READ(S01,ke"});
    EXPECT_EQ(host.events, Lines(3, "dotaz cleared"));
}

TEST_F(RunScriptTest, NegationCommentsAndShortActionParts) {
    EXPECT_EQ(run({"!Text"}), 0);
    world.Switches[1] = false;
    run({"![P01=1]Ne;", "Ano & pozn\xE1mka; nic"});
    EXPECT_EQ(host.memo, Lines({"Ne;", "Ano"}));
    host.memo.clear();
    world.Switches[1] = true;
    run({"[P01=0]X", "[P01=0]", "[P01=0"});
    EXPECT_EQ(host.memo, Lines({"[P01=0]X", "[P01=0]", "[P01=0"}));
    host.memo.clear();
    run({"[[P01=1]]Hn\xEDzdo;"});  // square brackets nest
    EXPECT_EQ(host.memo, Lines({"Hn\xEDzdo;"}));
}

TEST_F(RunScriptTest, WinInAnExamineScriptEndsTheGameAfterTheRun) {
    world.WinText = {"Vyhr\xE1l jsi!"};
    world.CycleActive = true;
    EXPECT_EQ(run({"Poklad.", "WIN;", "Konec hry."}, EventKind::Examine, true), 3);
    EXPECT_EQ(host.events,
              Lines({"clear", "show Poklad.", "show Konec hry.", "caret", "show Vyhr\xE1l jsi!",
                     "caret", "mainbox hidden", "wait", "clear", "mainbox shown"}));
    EXPECT_FALSE(world.CycleActive);
    EXPECT_TRUE(engine.state().ActionAborted);
    EXPECT_FALSE(host.gameRunning);
    EXPECT_EQ(host.endGameCalls, 1);
}

TEST_F(RunScriptTest, TheLastEndStatementDecidesAndAnEmptyEndScriptStillWaits) {
    world.WinText = {"V\xFDhra"};
    world.LoseText = {"Prohra"};
    run({"WIN; LOSE;"});
    EXPECT_EQ(host.memo, Lines());  // cleared after the key
    EXPECT_NE(std::find(host.events.begin(), host.events.end(), "show Prohra"), host.events.end());
    EXPECT_EQ(std::find(host.events.begin(), host.events.end(), "show V\xFDhra"),
              host.events.end());

    host.events.clear();
    world.LoseText.clear();
    run({"LOSE;"});
    EXPECT_EQ(host.events, Lines({"caret", "mainbox hidden", "wait", "clear", "mainbox shown"}));

    // Inside the end scripts themselves WIN and LOSE end nothing more.
    host.events.clear();
    EXPECT_EQ(run({"WIN;"}, EventKind::Win), 1);
    EXPECT_EQ(host.events, Lines({"caret"}));
}

class MainCycleTest : public RunScriptTest {
  protected:
    void SetUp() override {
        RunScriptTest::SetUp();
        world.CycleActive = true;
        world.CycleText = {"[FIRST]Poprv\xE9;", "Tik"};
    }
    int runsIn(int ticks) {
        int before = static_cast<int>(std::count(host.memo.begin(), host.memo.end(), "Tik"));
        for (int i = 0; i < ticks; ++i)
            engine.MainCycleStep();
        return static_cast<int>(std::count(host.memo.begin(), host.memo.end(), "Tik")) - before;
    }
};

TEST_F(MainCycleTest, RunsEveryIntervalOnlyDuringPlay) {
    world.CycleInterval = 300;  // "1 min"
    EXPECT_EQ(runsIn(899), 2);
    EXPECT_EQ(runsIn(1), 1);
    EXPECT_EQ(host.memo.front(), "Poprv\xE9;");
    EXPECT_EQ(std::count(host.memo.begin(), host.memo.end(), "Poprv\xE9;"), 1);
    EXPECT_TRUE(world.CycleHasRun);

    world.CycleInterval = 1;
    host.cycleMayRun = false;  // the intro, the system menu or its lists
    EXPECT_EQ(runsIn(10), 0);
    host.cycleMayRun = true;
    EXPECT_EQ(runsIn(10), 10);
    host.gameRunning = false;
    EXPECT_EQ(runsIn(10), 0);
    host.gameRunning = true;
    world.CycleActive = false;
    EXPECT_EQ(runsIn(10), 0);
}

TEST_F(MainCycleTest, FinishedBackgroundSoundsAreForgottenAfterEachRun) {
    world.CycleText = {"[PLAYFIN(dest)]Do\x9Alo;"};
    sound.finished = {"dest"};
    engine.MainCycleStep();
    engine.MainCycleStep();
    EXPECT_EQ(host.memo, Lines({"Do\x9Alo;"}));
}

TEST_F(MainCycleTest, AWaitingCycleRunIsNotEnteredAgainByLaterTicks) {
    world.CycleText = {"Pozor! WAIT(0);"};
    host.duringWait = [this] {
        for (int i = 0; i < 5000; ++i)
            engine.MainCycleStep();
    };
    engine.MainCycleStep();
    EXPECT_EQ(host.maxWaitDepth, 1);
    EXPECT_EQ(host.memo, Lines({"Pozor!"}));
    EXPECT_FALSE(engine.cycleRunInProgress());
    // Once answered, the cycle goes on as before.
    engine.MainCycleStep();
    EXPECT_EQ(host.memo.size(), 2u);
}

TEST_F(MainCycleTest, OtherScriptsWaitingLetTheCycleRun) {
    world.CycleText = {"Tik"};
    host.duringWait = [this] { runsIn(3); };
    run({"WAIT(0);"}, EventKind::Examine);
    EXPECT_EQ(std::count(host.memo.begin(), host.memo.end(), "Tik"), 3);
}

TEST_F(RunScriptTest, IntroRunsWithTheBackgroundSilencedAndPaneCleared) {
    world.IntroText = {"[FIRST]Za\xE8\xE1tek;", "[NOFIRST]Znovu;"};
    host.memo = {"star\xE9"};
    engine.PlayIntro();
    EXPECT_EQ(sound.calls, Lines({"bg clear"}));
    EXPECT_EQ(host.memo, Lines({"Za\xE8\xE1tek;", "Znovu;"}));
    EXPECT_EQ(host.events.back(), "forget selection");
    EXPECT_EQ(host.reports, Lines({"Playing intro", ""}));

    world.IntroText.clear();
    host.memo = {"nov\xE1 hra"};
    engine.PlayIntro();
    EXPECT_EQ(host.memo, Lines({"nov\xE1 hra"}));
}

}  // namespace
}  // namespace vek::player::testing
