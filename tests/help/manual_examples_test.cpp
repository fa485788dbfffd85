// Every condition and action example of the author's manual (help/index.html), run by the
// player's script engine: the manual says what these lines do, and these tests hold the player
// to it. Change an example in one place and the other must follow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp1250.h"
#include "player/script/script_fakes.h"

namespace vek::player::testing {
namespace {

using Lines = std::vector<std::string>;

std::string C(std::string_view utf8) {
    return utf8ToCp1250(utf8).value();
}

// The manual's scene: in Sklep, come from Chodba, holding klíč, lampa lying here, a path to
// Chodba, P01 on, C05 = 9, S01 = "ahoj", T03 = 15, vitr playing and dest finished.
class ManualExamples : public ::testing::Test, public EngineFixture {
  protected:
    void SetUp() override {
        sklep = window("Sklep");
        chodba = window("Chodba");
        window(C("Věž"));
        sklep->Items = {"lampa"};
        sklep->Paths = {"Chodba"};
        item(C("klíč"));
        item("lampa");
        item("lucerna");
        lampa = world.ItemList.Najdi("lampa");
        world.CurrentWindow = sklep;
        world.PreviousWindow = chodba;
        world.CurrentItem = lampa;
        world.Inventory = {C("klíč")};
        world.Switches[1] = true;
        world.Counters[5] = 9;
        world.StringVars[1] = "ahoj";
        world.Timers[3] = 15;
        sound.playing = {"vitr"};
        sound.finished = {"dest"};
    }
    bool holdsUtf8(std::string_view condition) { return holds(C(condition)); }
    Lines shown(std::string_view utf8Actions) {
        host.memo.clear();
        act(C(utf8Actions));
        return host.memo;
    }
    TOkno* sklep = nullptr;
    TOkno* chodba = nullptr;
    TPredmet* lampa = nullptr;
};

TEST_F(ManualExamples, ScriptLines) {
    const std::vector<std::string> script = {C("[P01=1] Svítí světlo. & poznámka se neukáže"),
                                             C("[ELSE] Je tma.")};
    run(script);
    EXPECT_EQ(host.memo, Lines({C("Svítí světlo.")}));
    world.Switches[1] = false;
    host.memo.clear();
    run(script);
    EXPECT_EQ(host.memo, Lines({C("Je tma.")}));
    host.memo.clear();
    run({C("![P01=1] Text;")});
    EXPECT_EQ(host.memo, Lines({"Text;"}));
}

TEST_F(ManualExamples, TextAndCommands) {
    world.Inventory.clear();
    EXPECT_EQ(shown("Vzal jsi klíč ADD(C,klíč);"), Lines({C("Vzal jsi klíč")}));
    EXPECT_EQ(world.Inventory, StringList({C("klíč")}));
    EXPECT_EQ(shown("Ahoj;"), Lines({"Ahoj;"}));
    EXPECT_EQ(shown("ADD(C,nic);"), Lines({"ADD;C,nic"}));
}

TEST_F(ManualExamples, Conditions) {
    EXPECT_TRUE(holdsUtf8("A=Sklep"));
    EXPECT_FALSE(holdsUtf8("A=sklep"));
    EXPECT_TRUE(holdsUtf8("B=Chodba"));
    EXPECT_TRUE(holdsUtf8("P01=1"));
    EXPECT_TRUE(holdsUtf8("P02=0"));
    EXPECT_TRUE(holdsUtf8("C05<010"));
    EXPECT_TRUE(holdsUtf8("C05=9"));
    EXPECT_TRUE(holdsUtf8("S01=\"AHOJ\""));
    EXPECT_FALSE(holdsUtf8("S01x\"ahoj\""));
    EXPECT_TRUE(holdsUtf8("T03>10"));
    world.ObjectName = C("dveře");
    EXPECT_TRUE(holdsUtf8("%1=dveře"));
    EXPECT_TRUE(holdsUtf8("IN(C,klíč)"));
    EXPECT_TRUE(holdsUtf8("IN(A,lampa)"));
    EXPECT_TRUE(holdsUtf8("INCS(A,Chodba)"));
    EXPECT_TRUE(holdsUtf8("PST(100)"));
    EXPECT_FALSE(holdsUtf8("PST(0)"));
    int held = 0;
    for (int i = 0; i < 2000; ++i)
        held += holdsUtf8("PST(50)") ? 1 : 0;
    EXPECT_NEAR(held, 1000, 150);
    EXPECT_TRUE(holdsUtf8("PLAYING(vitr)"));
    EXPECT_TRUE(holdsUtf8("PLAYFIN(dest)"));

    host.memo.clear();
    run({C("[FIRST] Vcházíš poprvé.")}, EventKind::Examine);
    EXPECT_EQ(host.memo, Lines({C("Vcházíš poprvé.")}));
    lampa->ExamineDone = true;
    EXPECT_TRUE(holds("NOFIRST", EventKind::Examine));

    world.ScenSett.MaxItems = 1;
    EXPECT_TRUE(holdsUtf8("FULL"));
    world.ScenSett.MaxItems = 99;
    EXPECT_TRUE(holdsUtf8("NOFULL"));

    host.memo.clear();
    run({"[P02=1] Nic.", C("[LAST] A ještě něco."), "[ELSE] Je tma."});
    EXPECT_EQ(host.memo, Lines({"Je tma."}));

    world.Switches[2] = false;
    world.Switches[3] = true;
    EXPECT_TRUE(holdsUtf8("P01=1;P02=1|P03=1"));
    EXPECT_FALSE(holdsUtf8("!(P01=1|P02=1)"));
    world.Switches[1] = false;
    EXPECT_TRUE(holdsUtf8("!(P01=1|P02=1)"));
}

TEST_F(ManualExamples, ItemsPathsAndVariables) {
    shown("REM(A,lampa);");
    EXPECT_TRUE(sklep->Items.empty());
    sklep->Items = {"lampa", "lucerna"};
    shown("REM(A,*);");
    EXPECT_TRUE(sklep->Items.empty());
    shown("REMALL(C);");
    EXPECT_TRUE(world.Inventory.empty());
    shown("ADDCS(A,Věž);");
    EXPECT_EQ(sklep->Paths, StringList({"Chodba", C("Věž")}));
    shown("REMCS(A,Chodba);");
    EXPECT_EQ(sklep->Paths, StringList({C("Věž")}));
    world.Inventory = {C("klíč")};
    shown("EXCH(klíč,lucerna);");
    EXPECT_EQ(world.Inventory, StringList({"lucerna"}));

    world.Switches[1] = false;
    shown("SET(P01,1); SET(C01,+5); SET(S02,\"Ahoj\"); SET(T05,1); SET(MAX,3);");
    EXPECT_TRUE(world.Switches[1]);
    EXPECT_EQ(world.Counters[1], 5);
    EXPECT_EQ(world.StringVars[2], "Ahoj");
    EXPECT_EQ(world.Timers[5], 1);
    EXPECT_EQ(world.ScenSett.MaxItems, 3);

    shown("GO(Chodba);");
    EXPECT_EQ(world.CurrentWindow, chodba);
    EXPECT_EQ(world.PreviousWindow, sklep);
    shown("GO(B);");
    EXPECT_EQ(world.CurrentWindow, sklep);

    sklep->Items = {"lampa"};
    world.Inventory.clear();
    shown("TRANS(A,C);");
    EXPECT_EQ(world.Inventory, StringList({"lampa"}));
    EXPECT_TRUE(sklep->Items.empty());

    shown("CYKLUS(1);");
    EXPECT_TRUE(world.CycleActive);
    shown("CLEAR;");
    EXPECT_FALSE(world.Switches[1]);
    EXPECT_EQ(world.Counters[1], 0);

    sklep->Music = {"vitr", "dest"};
    shown("REMMID(A,*);");
    EXPECT_TRUE(sklep->Music.empty());
}

TEST_F(ManualExamples, Sounds) {
    shown("PLAY(hlas); PLAY(hlas,50x100); PLAY(%5); PLAYSEC(krok);");
    shown("PLAYBG(vitr,loop,80x100); PLAYBG(vitr,5);");
    shown("STOPBG(vitr); STOPBG(vitr,10); STOPBG(*); STOP(3);");
    EXPECT_EQ(sound.calls, Lines({
                               "primary hlas|",
                               "primary hlas|50x100",
                               "primary %5|",
                               "secondary krok|",
                               "bg vitr loop delay 0 vol 80x100",
                               "bg vitr once delay 5 vol ",
                               "bg stop vitr",
                               "bg fade vitr 10",
                               "bg stop all",
                               "stop primary 3",
                           }));
}

TEST_F(ManualExamples, WaitsAndTheEndOfTheGame) {
    host.events.clear();
    shown("Čekej. WAIT(0);");
    EXPECT_EQ(host.memo, Lines({C("Čekej.")}));

    world.Counters[1] = 3;
    run({"[C01>002] WIN;"});
    EXPECT_TRUE(engine.state().ActionAborted);

    engine.state().ActionAborted = false;
    world.Switches[5] = false;
    host.memo.clear();
    run({C("[P05=0] Je přibitý. NOACTION;")}, EventKind::Take);
    EXPECT_EQ(host.memo, Lines({C("Je přibitý.")}));
    EXPECT_TRUE(engine.state().ActionAborted);
}

}  // namespace
}  // namespace vek::player::testing
