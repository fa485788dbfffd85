#include <gtest/gtest.h>

#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

using Strings = std::vector<std::string>;

Strings items(const std::deque<std::string>& d) {
    return Strings(d.begin(), d.end());
}

class QueueTest : public SoundFixture {};

TEST_F(QueueTest, PauseItemWaitsItsTicksAndBothQueuesCountTheSharedCounterDown) {
    addSound("SZjetu", "jetu.wav", 50);
    addSound("SZnic", "nic.wav", 300);
    for (bool both : {false, true}) {
        device.clearEvents();
        const std::uint64_t t0 = device.now();
        primary.Add("SZjetu");
        primary.Add("%10|");
        primary.Add("SZnic");
        tick(20, both);
        // The pause item is reached on the tick after SZjetu starts: 10 ticks alone, 5 when
        // the secondary queue ticks too.
        EXPECT_EQ(startTime("jetu.wav", t0), long(t0));
        EXPECT_EQ(startTime("nic.wav", t0), long(t0) + (both ? 600 : 1100)) << both;
        tick(10, both);
    }
}

TEST_F(QueueTest, PauseItemsWithOddNumbers) {
    addSound("A", "a.wav", 10);
    primary.Add("%x|100x100");
    primary.Tick();
    EXPECT_EQ(env.PauseTicks, 4);  // unreadable: 5, already counted once

    // A number with its sign is a number like any other.
    env.PauseTicks = 0;
    primary.Add("%+12|");
    primary.Tick();
    EXPECT_EQ(env.PauseTicks, 11);

    // A negative count must not stop the queues for good.
    env.PauseTicks = 0;
    primary.Add("%-3");
    primary.Add("A");
    tick(3);
    EXPECT_EQ(primary.Current(), "A");
}

TEST_F(QueueTest, UnknownAndEmptyItemsAreDroppedOnePerTick) {
    addSound("A", "a.wav", 10);
    primary.Add("nikdo");
    primary.Add("");
    primary.Add("A");
    primary.Tick();
    EXPECT_EQ(items(primary.Pending()), (Strings{"", "A"}));
    primary.Tick();
    primary.Tick();
    EXPECT_EQ(primary.Current(), "A");
    EXPECT_TRUE(primary.Playing());
}

TEST_F(QueueTest, NextItemWaitsForTheChannel) {
    addSound("A", "a.wav", 250);
    addSound("B", "b.wav", 100);
    primary.Add("A");
    primary.Add("B");
    tick(5);
    EXPECT_EQ(startedFiles(), (Strings{"a.wav", "b.wav"}));
    EXPECT_EQ(startTime("a.wav"), 0);
    EXPECT_EQ(startTime("b.wav"), 300);  // A ends at 250 ms, the next tick is at 300 ms
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:B"}));
}

TEST_F(QueueTest, VolumeAndPanComeFromTheItemSuffixAndTheKindsSetting) {
    addSound("A", "a.wav", 100);
    addSound("FX", "fx.wav", 100, "X");
    volumes.sound = 0;
    primary.Add("A|50x100");
    primary.Add("FX");
    tick(3);
    auto started = [&](const std::string& f) {
        auto event = startedEvent(f);
        return event ? *event : VirtualDevice::Event{};
    };
    EXPECT_EQ(started("a.wav").volume, 255);
    EXPECT_EQ(started("a.wav").pan, 170);
    EXPECT_EQ(started("fx.wav").volume, 0);  // silent, yet it still takes its turn
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:FX"}));
}

TEST_F(QueueTest, StopUpToRespectsPriorities) {
    addSound("P0", "p0.wav", 1000);
    addSound("P1", "p1.wav", 1000, ":1");
    addSound("P2", "p2.wav", 1000, ":2");
    addSound("P3", "p3.wav", 1000, ":3");

    primary.Add("P0");
    primary.Add("P1");
    primary.Add("P2");
    primary.Add("P0");
    EXPECT_FALSE(primary.StopUpTo(1));
    EXPECT_EQ(items(primary.Pending()), (Strings{"P2", "P0"}));
    EXPECT_EQ(items(primary.History()), (Strings{"P1", "P0"}));

    primary.StopUpTo(9);
    primary.Add("P3");
    primary.Add("%5");
    primary.Tick();
    ASSERT_TRUE(primary.Playing());
    EXPECT_FALSE(primary.StopUpTo(0));  // a key press is ignored under priority 3
    EXPECT_TRUE(primary.Playing());
    EXPECT_EQ(items(primary.Pending()), (Strings{"%5"}));

    EXPECT_TRUE(primary.StopUpTo(3));
    EXPECT_FALSE(primary.Playing());
    EXPECT_EQ(primary.History().front(), "P3");  // pause items never enter the history
    EXPECT_EQ(primary.Current(), "P3");
}

TEST_F(QueueTest, AnEndedHigherPrioritySoundNoLongerHoldsTheQueue) {
    addSound("P2", "p2.wav", 1000, ":2");
    addSound("A", "a.wav", 1000);
    primary.Add("P2");
    primary.Tick();
    device.advance(1500);  // P2 has ended but stays Current until the next recording starts
    ASSERT_FALSE(primary.Playing());
    primary.Add("A");  // the click of the next key
    EXPECT_TRUE(primary.StopUpTo(0));
    EXPECT_TRUE(primary.Pending().empty());
}

TEST_F(QueueTest, StopUpToDoesNothingWhileSoundsAreOff) {
    addSound("A", "a.wav", 1000);
    primary.Add("A");
    primary.Tick();
    primary.Add("A");
    env.SoundsOn = false;
    EXPECT_TRUE(primary.StopUpTo(9));
    EXPECT_TRUE(primary.Playing());
    EXPECT_EQ(primary.Pending().size(), 1u);
}

TEST_F(QueueTest, HistoryHoldsAtMost501Items) {
    addSound("A", "a.wav", 10);
    for (int i = 0; i < 600; ++i)
        primary.Add("A");
    tick(600);
    EXPECT_EQ(primary.History().size(), 501u);

    for (int i = 0; i < 600; ++i)
        primary.Add("A");
    primary.StopUpTo(9);
    EXPECT_EQ(primary.History().size(), 501u);
}

TEST_F(QueueTest, BackWithoutHistoryPutsThePlayingRecordingBack) {
    addSound("A", "a.wav", 500);
    primary.Add("A");
    tick(2);
    primary.Back();
    EXPECT_FALSE(primary.Playing());
    EXPECT_EQ(items(primary.Pending()), (Strings{"A"}));
    tick(1);
    EXPECT_TRUE(primary.Playing());
    EXPECT_EQ(startTime("a.wav", 150), 200);  // again, from the start
}

TEST_F(QueueTest, BackWithHistoryRestartsThePreviousOrRepeatsTheLast) {
    addSound("A", "a.wav", 150);
    addSound("B", "b.wav", 500);
    primary.Add("A");
    primary.Add("B");
    tick(3);  // A at 0, B at 200
    ASSERT_EQ(primary.Current(), "B");
    primary.Back();  // while B plays: A again at once, B follows
    EXPECT_EQ(primary.Current(), "A");
    EXPECT_EQ(items(primary.Pending()), (Strings{"B"}));
    EXPECT_EQ(startTime("a.wav", 250), 300);
    tick(8);
    EXPECT_EQ(startTime("b.wav", 301), 500);

    device.clearEvents();
    ASSERT_FALSE(primary.Playing());
    primary.Back();  // nothing plays: the last recording again
    EXPECT_EQ(startedFiles(), (Strings{"b.wav"}));
    EXPECT_TRUE(primary.Pending().empty());
}

TEST_F(QueueTest, SkipGoesOnAtOnce) {
    addSound("A", "a.wav", 1000);
    addSound("B", "b.wav", 1000);
    primary.Add("A");
    primary.Add("B");
    tick(1);
    primary.Skip();
    EXPECT_EQ(primary.Current(), "B");
    EXPECT_EQ(startTime("b.wav"), 100);
}

TEST_F(QueueTest, SayNumberQueuesTheNumberKeys) {
    const std::vector<std::pair<int, Strings>> cases = {
        {0, {"C", "C0"}},   {7, {"C", "C7"}},      {15, {"C", "C15"}},
        {20, {"C20", "C"}}, {25, {"C020", "C05"}}, {105, {"C", "C05"}},
    };
    for (const auto& [n, expected] : cases) {
        primary.StopUpTo(9);
        primary.SayNumber(n);
        EXPECT_EQ(items(primary.Pending()), expected) << n;
    }
}

TEST_F(QueueTest, PlayFilePlaysAtOnceOutsideTheOrder) {
    addSound("A", "a.wav", 1000);
    primary.Add("A");
    primary.Add("A");
    tick(1);
    writeWave(dir / "jmeno.wav", 100);
    primary.PlayFile((dir / "jmeno.wav").string());
    EXPECT_EQ(startTime("jmeno.wav"), 100);
    EXPECT_EQ(primary.Current(), "A");
    EXPECT_EQ(primary.Pending().size(), 1u);
    EXPECT_EQ(observer.log.back(), "file:" + (dir / "jmeno.wav").string());
    primary.PlayFile((dir / "chybi.wav").string());  // missing: nothing happens
    EXPECT_EQ(observer.log.size(), 2u);
}

TEST_F(QueueTest, WithoutSoundSystemKnownItemsWaitAndOthersAreConsumed) {
    VirtualDevice silent("no device");
    TSoundBox silentBox(silent);
    silentBox.Init();
    SoundEnv silentEnv{silentBox, list, paths, volumes};
    TZvukFronta q(silentEnv, "primary");
    q.CreateAudio((dir / "sx00.wav").string());
    addSound("A", "a.wav", 10);
    q.Add("%2");
    q.Add("nikdo");
    q.Add("A");
    for (int i = 0; i < 10; ++i)
        q.Tick();
    EXPECT_EQ(items(q.Pending()), (Strings{"A"}));
}

TEST_F(QueueTest, ItemWhoseRecordingCannotBeHadIsSkipped) {
    TTempFiles temp(dir / "temp");
    env.tempFiles = &temp;
    addSound("A", "a.wav", 100);
    list.AddNahravku("K=kolekce(chybi.zvk|K)");  // never attached: nothing to extract
    primary.Add("A");
    primary.Add("K");
    primary.Add("A");
    tick(6);
    // The previous sample is not replayed in place of the missing one.
    EXPECT_EQ(startedFiles(), (Strings{"a.wav", "a.wav"}));
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:A"}));
    EXPECT_EQ(items(primary.History()), (Strings{"A"}));
}

// A step must never start inside another, whoever calls in the middle of it.
class ReenteringObserver : public SoundObserver {
  public:
    TZvukFronta* queue = nullptr;
    void queueStarted(std::string_view, std::string_view) override {
        queue->Tick();
        queue->Back();
    }
};

TEST_F(QueueTest, StepIsNotReentered) {
    addSound("A", "a.wav", 10);
    addSound("B", "b.wav", 10);
    ReenteringObserver reenter;
    reenter.queue = &primary;
    env.observer = &reenter;
    primary.Add("A");
    primary.Add("B");
    primary.Tick();
    EXPECT_EQ(primary.Current(), "A");
    EXPECT_EQ(items(primary.Pending()), (Strings{"B"}));
    EXPECT_FALSE(env.StepRunning);
}

}  // namespace
}  // namespace vek::test
