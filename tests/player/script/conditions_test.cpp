#include <gtest/gtest.h>

#include <string>

#include "script_fakes.h"

namespace vek::player::testing {
namespace {

// One scene for every atom row: in Kuchyn, came from Sklep, holding noz.
class ConditionTest : public ::testing::Test, public EngineFixture {
  protected:
    void SetUp() override {
        TOkno* kuchyn = window("Kuchyn");
        TOkno* sklep = window("Sklep");
        kuchyn->Items = {"klic"};
        kuchyn->Paths = {"Sklep"};
        sklep->Paths = {"Kuchyn"};
        item("klic");
        item("noz");
        world.CurrentWindow = kuchyn;
        world.PreviousWindow = sklep;
        world.Inventory = {"noz"};
        world.Switches[1] = true;
        world.Counters[5] = 9;
        world.StringVars[1] = "AHOJ";
        world.StringVars[2] = "sv\xECte";  // světe
        world.Timers[3] = 15;
        world.ObjectName = "Sklep";
        sound.playing = {"vitr"};
        sound.finished = {"dest"};
    }
};

struct AtomRow {
    const char* condition;
    bool holds;
};

TEST_F(ConditionTest, EveryAtomFormHoldsExactlyWhenItsTestSays) {
    const AtomRow rows[] = {
        // Window names: exact, letter case included.
        {"A=Kuchyn", true},
        {"A=kuchyn", false},
        {"B=Sklep", true},
        {"B=Kuchyn", false},
        // Switches: the fifth character asks for on ("1") or off; the fourth is not examined.
        {"P01=1", true},
        {"P01=0", false},
        {"p02=0", true},
        {"P02=1", false},
        {"P01x1", true},
        {"P01=", false},
        // Counters: three characters of value from the fifth on.
        {"C05=9", true},
        {"C05<010", true},
        {"C05>009", false},
        {"C05x009", false},
        {"C05=0091", true},
        {"c05>008", true},
        {"C05=abc", true},
        {"C05?001", true},
        // Strings: quotes dropped, only a-z matched without regard to case.
        {"S01=ahoj", true},
        {"S01=\"ahoj\"", true},
        {"S01='ahoj'", true},
        {"S01xahoj", false},
        {"S01xnazdar", true},
        {"S02=sv\xECte", true},
        {"S02=SV\xCCTE", false},
        {"S02=\"sv\xECte\"", true},
        {"S20=cokoli", true},
        {"S99=cokoli", true},
        // Timers: the whole rest is the number.
        {"T03=15", true},
        {"T03>20", false},
        {"T03<100", true},
        {"T03x15", false},
        {"T03=abc", true},
        // Object name: exact.
        {"%1=Sklep", true},
        {"%1=sklep", false},
        // Lists: names found without regard to case.
        {"IN(A,klic)", true},
        {"IN(A,KLIC)", true},
        {"in(C,noz)", true},
        {"IN(C,klic)", false},
        {"IN(kuchyn,klic)", true},
        {"IN(B,klic)", false},
        {"IN(Nikde,klic)", false},
        {"INCS(A,sklep)", true},
        {"INCS(A,Pude)", false},
        {"INCS(Sklep,Kuchyn)", true},
        {"INCS(Nikde,Kuchyn)", false},
        // Background sounds.
        {"PLAYING(vitr)", true},
        {"PLAYING(dest)", false},
        {"PLAYFIN(dest)", true},
        {"playfin(vitr)", false},
        // Inventory limit (99: none).
        {"FULL", false},
        {"NOFULL", true},
        {"full", false},
        // Probabilities at the ends of the scale, and an unreadable one.
        {"PST(100)", true},
        {"PST(0)", false},
        {"PST(abc)", true},
        // Unknown atoms hold.
        {"XYZ", true},
        {"VIEWMENU(1)", true},
        {"P1=1", true},
    };
    for (const AtomRow& row : rows)
        EXPECT_EQ(holds(row.condition), row.holds) << row.condition;
}

TEST_F(ConditionTest, BeforeTheFirstMoveNothingHoldsOfThePreviousWindow) {
    world.PreviousWindow = nullptr;
    EXPECT_FALSE(holds("B=Sklep"));
    EXPECT_FALSE(holds("B="));
    EXPECT_FALSE(holds("IN(B,klic)"));
    EXPECT_FALSE(holds("INCS(B,Kuchyn)"));
}

TEST_F(ConditionTest, FullCountsTheInventoryAgainstTheLimit) {
    world.ScenSett.MaxItems = 2;
    world.Inventory = {"a", "b"};
    EXPECT_TRUE(holds("FULL"));
    EXPECT_FALSE(holds("NOFULL"));
    world.Inventory = {"a"};
    EXPECT_FALSE(holds("FULL"));
    world.ScenSett.MaxItems = 99;
    world.Inventory.clear();
    for (int i = 0; i < 150; ++i)
        world.Inventory.add("x");
    EXPECT_FALSE(holds("FULL"));
    EXPECT_TRUE(holds("NOFULL"));
}

struct CombineRow {
    const char* condition;
    bool p1, p2, p3;
    bool holds;
};

TEST_F(ConditionTest, OperatorsCombineWithoutPrecedence) {
    const CombineRow rows[] = {
        // P01 and (P02 or P03)
        {"P01=1;P02=1|P03=1", true, false, true, true},
        {"P01=1;P02=1|P03=1", false, false, true, false},
        {"P01=1,P02=1", true, true, false, true},
        {"P01=1,P02=1", true, false, false, false},
        // A negation takes only the operand after it.
        {"!(P01=1|P02=1)", false, false, false, true},
        {"!(P01=1|P02=1)", true, false, false, false},
        {"!(P01=1|P02=1)", false, true, false, false},
        {"!P01=1|P02=1", false, false, false, true},
        {"!P01=1|P02=1", true, true, false, true},
        {"!P01=1|P02=1", true, false, false, false},
        {"(P01=1|P02=1);(P03=1)", false, true, true, true},
        {"(P01=1|P02=1);(P03=1)", true, false, false, false},
        {"(P01=1|P02=1);(P03=1)", false, false, true, false},
        {"[P01=1|P02=1];P03=1", true, false, true, true},
        {"P01=1 | P02=1", false, true, false, true},
        {"  ", false, false, false, true},
        {"", false, false, false, true},
        {"()", false, false, false, true},
        // An unexpected character in operator position: the rest holds.
        {"P01=1 P02=1", false, false, false, true},
        {"P01=1)P02=1", false, false, false, true},
    };
    for (const CombineRow& row : rows) {
        world.Switches[1] = row.p1;
        world.Switches[2] = row.p2;
        world.Switches[3] = row.p3;
        EXPECT_EQ(holds(row.condition), row.holds)
            << row.condition << " with " << row.p1 << row.p2 << row.p3;
    }
}

TEST_F(ConditionTest, MalformedConditionsNeverFail) {
    for (const char* text : {"((((",  "))))",       "]]][[[", "P01=1;", "|||",
                             ";;",    "IN(",        "IN(,)",  "INCS(",  "PST(",
                             "PST()", "PLAYING(",   "%",      "%1",     "S01",
                             "C05<",  "\"unclosed", "'",      "A=",     "T03=99999999999999",
                             "C05=-1"}) {
        (void)holds(text);
    }
    // Deep nesting and long chains cost neither stack nor unbounded time.
    std::string deep(20000, '(');
    deep += "P01=1";
    deep += std::string(20000, ')');
    (void)holds(deep);
    std::string chain;
    for (int i = 0; i < 100000; ++i)
        chain += "P01=1;";
    chain += "P02=1";
    EXPECT_FALSE(holds(chain));
    std::string rightNested;
    for (int i = 0; i < 50000; ++i)
        rightNested += "P01=1;(";
    (void)holds(rightNested);
}

TEST_F(ConditionTest, QuotedStringAtomsMayHoldSpacesAndOperators) {
    world.StringVars[4] = "ano, ne; nevim";
    EXPECT_TRUE(holds("S04=\"ano, ne; nevim\""));
    EXPECT_TRUE(holds("S04=\"ano, ne; nevim\";P01=1"));
    EXPECT_FALSE(holds("S04=\"ano, ne; nevim\";P02=1"));
}

TEST_F(ConditionTest, ProbabilityHoldsAsOftenAsItSays) {
    int half = 0, quarter = 0;
    const int draws = 200000;
    for (int i = 0; i < draws; ++i) {
        half += holds("PST(0.5)");
        quarter += holds("PST(25)");
    }
    // 0.5 % of 200,000 is 1,000; 25 % is 50,000.
    EXPECT_GT(half, 800);
    EXPECT_LT(half, 1200);
    EXPECT_GT(quarter, 48500);
    EXPECT_LT(quarter, 51500);
}

TEST_F(ConditionTest, FirstAndNofirstFollowTheRunningEventsDoneFlag) {
    TOkno* w = world.CurrentWindow;
    TPredmet* p = item("lampa");
    world.CurrentItem = p;
    struct Row {
        EventKind kind;
        bool* flag;
    };
    const Row rows[] = {
        {EventKind::Look, &w->LookDone},
        {EventKind::Arrival, &w->ArrivalDone},
        {EventKind::Departure, &w->DepartureDone},
        {EventKind::Examine, &p->ExamineDone},
        {EventKind::Take, &p->TakeDone},
        {EventKind::Put, &p->PutDone},
        {EventKind::Use, &p->UseDone},
        {EventKind::UseOn, &p->UseDone},
        {EventKind::Talk, &p->TalkDone},
        {EventKind::MainCycle, &world.CycleHasRun},
    };
    for (const Row& row : rows) {
        *row.flag = false;
        EXPECT_TRUE(holds("FIRST", row.kind)) << static_cast<int>(row.kind);
        EXPECT_FALSE(holds("NOFIRST", row.kind)) << static_cast<int>(row.kind);
        *row.flag = true;
        EXPECT_FALSE(holds("first", row.kind)) << static_cast<int>(row.kind);
        EXPECT_TRUE(holds("NOFIRST", row.kind)) << static_cast<int>(row.kind);
        *row.flag = false;
    }
    for (EventKind kind : {EventKind::Intro, EventKind::Loss, EventKind::Win}) {
        EXPECT_TRUE(holds("FIRST", kind));
        EXPECT_TRUE(holds("NOFIRST", kind));
    }
}

}  // namespace
}  // namespace vek::player::testing
