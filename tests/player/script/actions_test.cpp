#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_fakes.h"

namespace vek::player::testing {
namespace {

using Lines = std::vector<std::string>;

// In Kuchyn (key lying, table fixed), came from nowhere yet; Sklep is next door.
class ActionTest : public ::testing::Test, public EngineFixture {
  protected:
    void SetUp() override {
        kuchyn = window("Kuchyn");
        sklep = window("Sklep");
        kuchyn->Items = {"klic", "stul"};
        kuchyn->Music = {"hudba1", "hudba2"};
        item("klic");
        item("stul", false);
        item("noz");
        world.CurrentWindow = kuchyn;
    }
    Lines shown(std::string_view actions) {
        host.memo.clear();
        act(actions);
        return host.memo;
    }
    TOkno* kuchyn = nullptr;
    TOkno* sklep = nullptr;
};

struct ShowRow {
    const char* actions;
    Lines memo;
};

TEST_F(ActionTest, StatementsAreCutIntoTextAndCommandsAndUnactedOnesEchoed) {
    const ShowRow rows[] = {
        {"Ahoj", {"Ahoj"}},
        {"Ahoj;", {"Ahoj;"}},
        {"X;", {"X;"}},
        {"Ahoj!;", {"Ahoj!"}},
        {"ADD(C,nic);", {"ADD;C,nic"}},
        {"Vzal jsi kl\xED\xE8 ADD(C,klic);", {"Vzal jsi kl\xED\xE8"}},
        {"Pozor! FOO;", {"Pozor! FOO;"}},
        {"Menu VIEWMENU(hlavni);", {"Menu VIEWMENU;hlavni"}},
        {"XYZ(a,b,c,d,e);", {"XYZ;a,b,c,d,e"}},
        {"Jdi dom\xF9. GO(Sklep); Konec", {"Jdi dom\xF9.", "Konec"}},
        {"ADD(A,klic)", {"ADD(A,klic)"}},
        {" Jedna; Dva;", {"Jedna;", "Dva;"}},
        {"SET(MAX,x);", {"SET;MAX,x"}},
        {"ADDMID(Nikde,x);", {"ADDMID;Nikde,x"}},
        {"ADDMID(A,x);", {}},
        {"TRANS(A,A);", {"TRANS;A,A"}},
        {"TRANS(Nikde,C);", {"TRANS;Nikde,C"}},
        {"REM(Nikde,klic);", {"REM;Nikde,klic"}},
        {"REMCS(Nikde,Sklep);", {"REMCS;Nikde,Sklep"}},
        {"ADDCS(A,Nikde);", {"ADDCS;A,Nikde"}},
        {"CLEARMID(Nikde);", {"CLEARMID;Nikde"}},
        {"PLAYMID(x); STOPMID; CYKLUS(1); CLEAR; NOACTION;", {}},
        {"Text (v z\xE1vork\xE1"
         "ch);",
         {"Text ;v z\xE1vork\xE1"
          "ch"}},
    };
    for (const ShowRow& row : rows)
        EXPECT_EQ(shown(row.actions), row.memo) << row.actions;
}

TEST_F(ActionTest, ItemListsOfPlaces) {
    act("ADD(C,klic); ADD(C,klic);");
    EXPECT_EQ(world.Inventory, StringList({"klic", "klic"}));
    act("ADD(sklep,NOZ);");
    EXPECT_EQ(sklep->Items, StringList({"NOZ"}));
    act("REM(C,KLIC);");
    EXPECT_EQ(world.Inventory, StringList({"klic"}));
    act("REM(A,*);");
    EXPECT_TRUE(kuchyn->Items.empty());
    act("REMALL(C);");
    EXPECT_TRUE(world.Inventory.empty());
    // "B" without a previous window is looked up as a window name.
    window("B")->Items = {"noz"};
    act("REMALL(B);");
    EXPECT_TRUE(world.WindowList.Najdi("B")->Items.empty());
}

TEST_F(ActionTest, PathsAndMusic) {
    act("ADDCS(A,Sklep); ADDCS(Sklep,kuchyn); REMCS(A,SKLEP); ADDCS(A,Sklep);");
    EXPECT_EQ(kuchyn->Paths, StringList({"Sklep"}));
    EXPECT_EQ(sklep->Paths, StringList({"kuchyn"}));
    act("REMMID(A,hudba1);");
    EXPECT_EQ(kuchyn->Music, StringList({"hudba2"}));
    act("REMMID(A,*);");
    EXPECT_TRUE(kuchyn->Music.empty());
    sklep->Music = {"x"};
    act("CLEARMID(Sklep);");
    EXPECT_TRUE(sklep->Music.empty());
}

TEST_F(ActionTest, ExchangePrefersTheInventory) {
    world.Inventory = {"klic"};
    act("EXCH(klic,noz);");
    EXPECT_EQ(world.Inventory, StringList({"noz"}));
    EXPECT_EQ(kuchyn->Items, StringList({"klic", "stul"}));
    act("EXCH(stul,klic);");
    EXPECT_EQ(kuchyn->Items, StringList({"klic", "klic"}));
    act("EXCH(klic,nic);");  // not an item: nothing, and not echoed
    EXPECT_EQ(kuchyn->Items, StringList({"klic", "klic"}));
    EXPECT_TRUE(host.memo.empty());
}

TEST_F(ActionTest, SetChangesVariablesByTheirFirstValueCharacter) {
    struct Row {
        const char* actions;
        int counter;
    };
    const Row counters[] = {
        {"SET(C01,7);", 7},
        {"SET(C01,253);SET(C01,+5);", 2},
        {"SET(C01,3);SET(C01,-5);", 254},
        {"SET(C01,250);SET(c01,+10);", 4},
        {"SET(C01,9);SET(C01,+x);", 9},
        {"SET(C01,300);", 44},
    };
    for (const Row& row : counters) {
        act(row.actions);
        EXPECT_EQ(world.Counters[1], row.counter) << row.actions;
    }

    act("SET(P01,1);");
    EXPECT_TRUE(world.Switches[1]);
    act("SET(P01,0);");
    EXPECT_FALSE(world.Switches[1]);
    act("SET(P01,+1);");
    EXPECT_TRUE(world.Switches[1]);

    act("SET(S02,\"Ahoj, sv\xECte\");");
    EXPECT_EQ(world.StringVars[2], "Ahoj, sv\xECte");
    act("SET(S02,Ahoj);");
    EXPECT_EQ(world.StringVars[2], "hoj");
    act("SET(S03,\"a,b,c,d\");");
    EXPECT_EQ(world.StringVars[3], "a,b,c,d");
    act("SET(S03,\"\");");
    EXPECT_EQ(world.StringVars[3], "");

    act("SET(T05,1);");
    EXPECT_EQ(world.Timers[5], 1);
    act("SET(T05,+3);");
    EXPECT_EQ(world.Timers[5], 4);
    act("SET(T05,0);");
    EXPECT_EQ(world.Timers[5], 0);

    act("SET(MAX,3);");
    EXPECT_EQ(world.ScenSett.MaxItems, 3);
    act("SET(max,+2);");
    EXPECT_EQ(world.ScenSett.MaxItems, 5);

    // Out of range or unknown: acts (not echoed) but changes nothing.
    host.memo.clear();
    act("SET(S25,x); SET(T20,5); SET(Q01,1); SET(C-1,5);");
    EXPECT_TRUE(host.memo.empty());
    act("SET(MAX,+x); SET(XYZ,1);");
    EXPECT_EQ(host.memo, Lines({"SET;MAX,+x", "SET;XYZ,1"}));
    EXPECT_EQ(world.ScenSett.MaxItems, 5);
}

TEST_F(ActionTest, TransMovesOnlyWhatCanBeTakenIntoTheInventory) {
    kuchyn->Items.add("duch");  // no item of that name
    act("TRANS(A,C);");
    EXPECT_EQ(world.Inventory, StringList({"klic"}));
    EXPECT_TRUE(kuchyn->Items.empty());
    act("TRANS(C,Sklep);");
    EXPECT_EQ(sklep->Items, StringList({"klic"}));
    EXPECT_TRUE(world.Inventory.empty());
}

TEST_F(ActionTest, GoBackNeedsAPreviousWindow) {
    act("GO(B);");
    EXPECT_EQ(world.CurrentWindow, kuchyn);
    EXPECT_EQ(world.PreviousWindow, nullptr);
    act("GO(sklep);");
    EXPECT_EQ(world.CurrentWindow, sklep);
    EXPECT_EQ(world.PreviousWindow, kuchyn);
    act("GO(B);");
    EXPECT_EQ(world.CurrentWindow, kuchyn);
    EXPECT_EQ(world.PreviousWindow, sklep);
    act("GO(Nikde);");
    EXPECT_EQ(world.CurrentWindow, kuchyn);
}

// A statement's text goes with the sound the same statement plays: the player's voice stands
// in with it when the recording cannot be played, and does not read it a second time.
TEST_F(ActionTest, ASoundCommandSaysTheTextOfItsStatement) {
    EXPECT_EQ(shown("Jsi v kuchyni. PLAY(t_kuchyn);Fouk\xE1. PLAYSEC(vitr);Pr\x9A\xED. "
                    "PLAYBG(dest);PLAY(t_ticho);Ticho."),
              Lines({"Jsi v kuchyni.", "Fouk\xE1.", "Pr\x9A\xED.", "Ticho."}));
    EXPECT_EQ(sound.said, Lines({"Jsi v kuchyni.", "Fouk\xE1.", "Pr\x9A\xED."}));
    EXPECT_EQ(host.said, Lines({"Jsi v kuchyni.", "Fouk\xE1.", "Pr\x9A\xED."}));
}

TEST_F(ActionTest, SoundCommandsReachQueuesAndBackground) {
    act("PLAY(klic); PLAY(klic,50x100); PLAYSEC(hrom,20x80); STOP(1); STOP(abc); STOPALL; "
        "STOPSEC(2); STOPSECALL;");
    act("PLAYBG(vitr,loop,80x100); PLAYBG(vitr,5); PLAYBG(vitr,80x100,loop); "
        "PLAYBG(vitr,1,50x50,7); PLAYBG(vitr,80x100,0,12); PLAYBG(vitr);");
    act("STOPBG(vitr,10); STOPBG(*); STOPBG(vitr,0); STOPBG(vitr);");
    EXPECT_EQ(sound.calls, Lines({
                               "primary klic|",
                               "primary klic|50x100",
                               "secondary hrom|20x80",
                               "stop primary 1",
                               "stop primary 0",
                               "stop primary 9",
                               "stop secondary 2",
                               "stop secondary 9",
                               "bg vitr loop delay 0 vol 80x100",
                               "bg vitr once delay 5 vol ",
                               "bg vitr loop delay 0 vol 80x100",
                               "bg vitr loop delay 7 vol 50x50",
                               "bg vitr once delay 12 vol 80x100",
                               "bg vitr once delay 0 vol ",
                               "bg fade vitr 10",
                               "bg stop all",
                               "bg stop vitr",
                               "bg stop vitr",
                           }));
}

TEST_F(ActionTest, WaitShowsItsTextFirstAndClearsUnlessAskedNotTo) {
    act("\xC8"
        "ekej. WAIT(0);");
    EXPECT_EQ(host.events, Lines({"mainbox hidden",
                                  "show \xC8"
                                  "ekej.",
                                  "caret", "wait"}));
    EXPECT_EQ(host.memo, Lines({"\xC8"
                                "ekej."}));
    EXPECT_FALSE(engine.state().ReadKeyMode);

    host.events.clear();
    act("Dal\x9A\xED. WAIT; Hotovo");
    EXPECT_EQ(host.events, Lines({"mainbox hidden", "show Dal\x9A\xED.", "caret", "wait", "clear",
                                  "show Hotovo"}));
}

TEST_F(ActionTest, EndStatesAndAbort) {
    EndState end = EndState::None;
    engine.ExecuteStatements("WIN;", EventKind::Examine, end);
    EXPECT_EQ(end, EndState::Won);
    engine.ExecuteStatements("LOSE;", EventKind::Examine, end);
    EXPECT_EQ(end, EndState::Lost);
    act("NOACTION;");
    EXPECT_TRUE(engine.state().ActionAborted);
    act("CYKLUS(1);");
    EXPECT_TRUE(world.CycleActive);
    act("CYKLUS(ano);");
    EXPECT_FALSE(world.CycleActive);
    world.Switches.fill(true);
    world.Counters.fill(7);
    world.StringVars[0] = "zustane";
    act("CLEAR;");
    EXPECT_FALSE(world.Switches[42]);
    EXPECT_EQ(world.Counters[99], 0);
    EXPECT_EQ(world.StringVars[0], "zustane");
}

}  // namespace
}  // namespace vek::player::testing
