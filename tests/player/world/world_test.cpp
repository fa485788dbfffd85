#include <gtest/gtest.h>

#include "player/world/cycle_interval.h"
#include "player/world/grammar.h"
#include "player/world/world.h"

namespace vek::player {
namespace {

TEST(WorldLists, LookupIgnoresCaseAndFindsTheFirstOfTwins) {
    TSeznamOken windows;
    auto make = [](const char* name, const char* kam) {
        auto w = std::make_unique<TOkno>();
        w->Name = name;
        w->Kam = kam;
        return w;
    };
    windows.AddOkno(make("Kuchy\xD2", "prvni"));
    windows.AddOkno(make("KUCHY\xD2", "druha"));
    windows.AddOkno(nullptr);
    ASSERT_EQ(windows.size(), 2u);
    ASSERT_NE(windows.Najdi("kuchy\xF2"), nullptr);
    EXPECT_EQ(windows.Najdi("kuchy\xF2")->Kam, "prvni");
    EXPECT_EQ(windows.Najdi("sklep"), nullptr);
    EXPECT_TRUE(windows.DelOkno("KUCHY\xD2"));
    EXPECT_EQ(windows.Najdi("kuchy\xF2")->Kam, "druha");
    windows.Vycisti();
    EXPECT_TRUE(windows.empty());
}

TEST(WorldTimers, CountOnlyWhenRunningAndRestartBeforeOverflow) {
    GameState world;
    world.Timers[0] = 1;
    world.Timers[1] = 0;
    world.Timers[2] = -5;
    world.Timers[3] = kTimerLimit;
    for (int second = 0; second < 10; ++second)
        world.AdvanceTimers();
    EXPECT_EQ(world.Timers[0], 11);
    EXPECT_EQ(world.Timers[1], 0);
    EXPECT_EQ(world.Timers[2], -5);
    EXPECT_EQ(world.Timers[3], 10);
}

TEST(WorldReset, NewGameStateIsTheInitialOne) {
    GameState world;
    auto w = std::make_unique<TOkno>();
    w->Name = "x";
    world.CurrentWindow = world.WindowList.AddOkno(std::move(w));
    world.Switches[7] = true;
    world.Counters[7] = 7;
    world.StringVars[7] = "s";
    world.Timers[7] = 7;
    world.Inventory = {"a"};
    world.ScenSett.MaxItems = 3;
    world.MainCommandEnabled[4] = false;
    world.ObjectName = "o";
    world.CycleText = {"c"};
    world.ResetForNewGame();
    EXPECT_EQ(world.CurrentWindow, nullptr);
    EXPECT_TRUE(world.WindowList.empty());
    EXPECT_FALSE(world.Switches[7]);
    EXPECT_EQ(world.Counters[7], 0);
    EXPECT_EQ(world.StringVars[7], "");
    EXPECT_EQ(world.Timers[7], 0);
    EXPECT_TRUE(world.Inventory.empty());
    EXPECT_EQ(world.ScenSett.MaxItems, 99);
    EXPECT_TRUE(world.MainCommandEnabled[4]);
    EXPECT_TRUE(world.ObjectName.empty());
    EXPECT_TRUE(world.CycleText.empty());
}

TEST(CycleInterval, TimeTextsBecomeTicksOfTwoHundredMilliseconds) {
    struct Row {
        const char* text;
        int ticks;
    };
    const Row rows[] = {
        {"200 ms", 1},
        {"1 sec", 5},
        {"1,2 sec", 6},
        {"10 min", 3000},
        {"0 ms", 1},
        {"1 min", 300},
        {"1 s", 5},
        {"2 m", 600},
        {"1 hod", 18000},
        {"1 h", 18000},
        {"1:5 sec", 8},
        {" 3 sec ", 15},
        {"500", 2},
        {"300 ms", 2},
        {"100 ms", 0},
        {"abc", 0},
        {"abc sec", 5},
        {"", 0},
        {"x,5 sec", 8},
        {"1000 parseku", 5},
        {"99999999999 hod", 18000},
        {"2000000000 hod", 2147483647},
        // Exact halves go to the even neighbour, however the decimal fraction is written.
        {"1,7 sec", 8},
        {"16,1 sec", 80},
        {"0,3 sec", 2},
        {"2,5 min", 750},
        {"1,70000000000000000000 sec", 8},
        {"1,70000000000000000001 sec", 9},
        {"-3,5 sec", -12},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseCycleInterval(row.text), row.ticks) << row.text;
}

TEST(Grammar, ItemsGetTheirNameAndRecordedSoundOnce) {
    GameState world;
    auto add = [&](const char* name, const char* co, const char* sound) {
        auto p = std::make_unique<TPredmet>();
        p->Name = name;
        p->Co = co;
        p->SoundId = sound;
        world.ItemList.AddPredmet(std::move(p));
    };
    add("klic", "kl\xED\xE8", "klic");
    add("kamen", "", "");
    add("mec", "me\xE8 PLAY(mec2);", "mec");
    add("luk", "", "luk");
    ApplyGrammarDefaults(world);
    ApplyGrammarDefaults(world);
    EXPECT_EQ(world.ItemList.at(0)->Co, "kl\xED\xE8 PLAY(klic);");
    EXPECT_EQ(world.ItemList.at(1)->Co, "kamen");
    EXPECT_EQ(world.ItemList.at(2)->Co, "me\xE8 PLAY(mec2);");
    EXPECT_EQ(world.ItemList.at(3)->Co, "luk PLAY(luk);");
}

}  // namespace
}  // namespace vek::player
