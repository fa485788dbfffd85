#include <gtest/gtest.h>

#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

using Strings = std::vector<std::string>;

class BackgroundTest : public SoundFixture {
  protected:
    BackgroundTest() { background.Vycisti(); }  // a game is running: the set is not paused
    // One timer tick of the background set alone.
    void bgTick(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            background.ProvedAll(true);
            device.advance(100);
        }
    }
};

TEST_F(BackgroundTest, SameKeyTwiceGivesTwoItemsStoppedTogether) {
    addSound("DEST", "dest.wav", 300);
    background.AddNew("DEST", false, 0, "100x100");
    background.AddNew("dest", false, 0, "100x100");
    EXPECT_EQ(background.items().size(), 2u);
    EXPECT_EQ(device.soundingChannels(), 2u);
    background.Stop("DEST");
    EXPECT_TRUE(background.items().empty());
    EXPECT_FALSE(background.Playing("DEST"));
    EXPECT_EQ(device.soundingChannels(), 0u);
    bgTick();
    EXPECT_TRUE(background.Finished().empty());  // stopped, not finished
}

TEST_F(BackgroundTest, PlayingUntilTheLastOfTheKeyEnds) {
    addSound("A", "a.wav", 150);
    addSound("B", "b.wav", 450);
    background.AddNew("A", false, 0, "");
    background.AddNew("B", false, 0, "");
    bgTick(3);
    EXPECT_FALSE(background.Playing("A"));
    EXPECT_TRUE(background.Playing("B"));
    bgTick(3);
    EXPECT_FALSE(background.Playing("B"));
    EXPECT_EQ(background.Finished().items(), (Strings{"A", "B"}));
    EXPECT_EQ(observer.log, (Strings{"bg+A", "bg+B", "bg-A", "bg-B"}));
}

TEST_F(BackgroundTest, DelayedSoundIsListedAtOnceAndSoundsFromTheNthTick) {
    addSound("A", "a.wav", 1000);
    background.AddNew("A", false, 3, "");
    EXPECT_TRUE(background.Playing("A"));
    EXPECT_EQ(device.soundingChannels(), 0u);
    bgTick(2);
    EXPECT_EQ(device.soundingChannels(), 0u);
    bgTick(1);
    EXPECT_EQ(startTime("a.wav"), 200);  // the third tick after the start request
    EXPECT_EQ(observer.log, (Strings{"bg+A"}));
}

TEST_F(BackgroundTest, NegativeDelayStartsAtOnceRatherThanNever) {
    addSound("A", "a.wav", 100);
    background.AddNew("A", false, -2, "");
    EXPECT_EQ(startTime("a.wav"), 0);
    bgTick(3);
    EXPECT_FALSE(background.Playing("A"));
}

TEST_F(BackgroundTest, FadeLowersTheVolumeEachTickAndRemovesTheSound) {
    addSound("A", "a.wav", 5000);
    background.AddNew("A", true, 0, "");
    background.FadeOut("A", "100");
    bgTick();
    EXPECT_EQ(background.items()[0].audio->GetVolume(), 155);
    bgTick();
    EXPECT_EQ(background.items()[0].audio->GetVolume(), 55);
    bgTick();
    EXPECT_FALSE(background.Playing("A"));

    background.AddNew("A", true, 0, "");
    background.FadeOut("A", "300");
    bgTick();
    EXPECT_FALSE(background.Playing("A"));

    background.AddNew("A", true, 0, "");
    background.FadeOut("A", "+100");  // a signed step fades like any other
    bgTick();
    ASSERT_TRUE(background.Playing("A"));
    EXPECT_EQ(background.items()[0].audio->GetVolume(), 155);
    background.Stop("A");

    background.AddNew("A", true, 0, "");
    background.FadeOut("A", "nic");  // no step: stopped at once
    EXPECT_FALSE(background.Playing("A"));
}

TEST_F(BackgroundTest, StopAllWhilePausedKeepsTheItemsListedUntilUnpaused) {
    addSound("A", "a.wav", 5000);
    background.AddNew("A", true, 0, "");
    background.Pause();
    background.StopAll();
    EXPECT_EQ(device.activeChannels(), 0u);
    EXPECT_TRUE(background.Playing("A"));
    bgTick(2);
    EXPECT_TRUE(background.Playing("A"));
    background.UnPause();
    EXPECT_EQ(device.activeChannels(), 0u);  // not started again
    bgTick();
    EXPECT_FALSE(background.Playing("A"));
    EXPECT_TRUE(background.Finished().empty());
}

TEST_F(BackgroundTest, EndWhilePausedCountsOnlyAfterUnpause) {
    // A sound started while the set is paused (the system menu's music, say) plays; when it
    // ends it stays listed until the game goes on.
    addSound("D", "d.wav", 100);
    background.Pause();
    background.AddNew("D", false, 0, "");
    background.AddNew("C", false, 0, "");  // unknown: ignored
    bgTick(3);
    EXPECT_EQ(device.activeChannels(), 0u);
    EXPECT_TRUE(background.Playing("D"));
    EXPECT_TRUE(background.Finished().empty());
    background.UnPause();
    EXPECT_EQ(device.activeChannels(), 0u);  // an ended sound is not started again
    bgTick();
    EXPECT_FALSE(background.Playing("D"));
    EXPECT_EQ(background.Finished().items(), (Strings{"D"}));
}

TEST_F(BackgroundTest, PauseHoldsAndUnpauseResumesWhereItWas) {
    addSound("A", "a.wav", 5000);
    background.AddNew("A", false, 0, "");
    bgTick(5);
    background.Pause();
    const auto at = background.items()[0].audio->GetPosition();
    device.advance(3000);
    EXPECT_EQ(background.items()[0].audio->GetPosition(), at);
    background.UnPause();
    device.advance(100);
    EXPECT_EQ(background.items()[0].audio->GetPosition(), at + 800);
}

TEST_F(BackgroundTest, SixtyFifthSoundIsRefused) {
    addSound("A", "a.wav", 1000);
    for (int i = 0; i < 65; ++i)
        background.AddNew("A", true, 0, "");
    EXPECT_EQ(background.items().size(), 64u);
    EXPECT_EQ(device.activeChannels(), 64u);
}

TEST_F(BackgroundTest, ReVolumeAllReturnsEverySoundToItsKindsSetting) {
    addSound("M", "m.wav", 5000, "M");
    addSound("X", "x.wav", 5000, "X");
    background.AddNew("M", true, 0, "50x50");
    background.AddNew("X", true, 0, "100x0");
    EXPECT_EQ(background.items()[0].audio->GetVolume(), 128);
    volumes.music = 65535 / 5;
    volumes.sound = 0;
    background.ReVolumeAll();
    EXPECT_EQ(background.items()[0].audio->GetVolume(), 51);
    EXPECT_EQ(background.items()[1].audio->GetVolume(), 0);
    EXPECT_EQ(background.items()[1].audio->GetPan(), 0);  // pans stay

    background.ReVolume("x", 77);
    EXPECT_EQ(background.items()[1].audio->GetVolume(), 77);
}

TEST_F(BackgroundTest, StopSomeStopsOneGroup) {
    addSound("A", "a.wav", 5000, ":2");
    addSound("B", "b.wav", 5000);
    background.AddNew("A", true, 0, "");
    background.AddNew("B", true, 0, "");
    background.StopSome(2);
    EXPECT_FALSE(background.Playing("A"));
    EXPECT_TRUE(background.Playing("B"));
}

TEST_F(BackgroundTest, SavedSoundIsRestoredWithItsValues) {
    addSound("A", "a.wav", 5000);
    background.AddZvuk("A", true, 0, 8000, 30, 99);
    const TMyAFS& audio = *background.items()[0].audio;
    EXPECT_TRUE(audio.GetLoop());
    EXPECT_EQ(audio.GetPosition(), 8000u);
    EXPECT_EQ(audio.GetPan(), 30);
    EXPECT_EQ(audio.GetVolume(), 99);
}

TEST_F(BackgroundTest, MissingRecordingStillFinishesSoWaitersGoOn) {
    addSound("A", "a.wav", 100);
    std::filesystem::remove(dir / "wave" / "a.wav");
    background.AddNew("A", false, 0, "");
    EXPECT_TRUE(background.Playing("A"));
    bgTick();
    EXPECT_FALSE(background.Playing("A"));
    EXPECT_EQ(background.Finished().items(), (Strings{"A"}));
}

TEST_F(BackgroundTest, NothingHappensWithoutSoundSystem) {
    VirtualDevice silent("no device");
    TSoundBox silentBox(silent);
    silentBox.Init();
    SoundEnv silentEnv{silentBox, list, paths, volumes};
    TBackFronta set(silentEnv);
    addSound("A", "a.wav", 100);
    set.AddNew("A", false, 0, "");
    EXPECT_FALSE(set.Playing("A"));
    set.ProvedAll(true);
    set.StopAll();
}

}  // namespace
}  // namespace vek::test
