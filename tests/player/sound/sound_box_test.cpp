#include <gtest/gtest.h>

#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

TEST(ComputeVolumePanTest, SuffixAndSettingGiveVolumeAndPan) {
    VolumeSettings full;
    struct Case {
        const char* spec;
        int volume, pan;
    };
    const Case cases[] = {
        {"A", 255, 128},       {"A|", 255, 128},      {"A|100x100", 255, 128},
        {"A|100x0", 255, 0},   {"A|0x100", 255, 255}, {"A|50x100", 255, 170},
        {"A|50", 255, 85},     {"A|150x25", 255, 51}, {"A|0x0", 0, 128},
        {"A|50x50", 128, 128}, {"A|ax|b", 255, 128},  {"A|-5x20", 255, 43},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeVolumePan(c.spec, SoundKind::Dialogue, full), (VolumePan{c.volume, c.pan}))
            << c.spec;

    VolumeSettings settings{65535, 0, 32768};
    EXPECT_EQ(ComputeVolumePan("A|100x100", SoundKind::Effect, settings).volume, 0);
    EXPECT_EQ(ComputeVolumePan("A|100x100", SoundKind::Music, settings).volume, 128);
    EXPECT_EQ(ComputeVolumePan("A", SoundKind::Dialogue, settings).volume, 255);
}

TEST(SoundBoxTest, FailedInitReportsOnceAndStaysSilent) {
    VirtualDevice device("no output");
    std::vector<std::string> shown;
    TSoundBox box(device, [&](const std::string& caption, const std::string& text) {
        shown.push_back(caption + ":" + text);
    });
    box.Init();
    EXPECT_FALSE(box.Initialised());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Error:Chyba p\xF8i inicializaci\r(error code: no output)");
}

class MyAfsTest : public SoundFixture {};

TEST_F(MyAfsTest, EveryOperationIsHarmlessWithoutAChannel) {
    TMyAFS audio(device);
    audio.Play();
    audio.Stop();
    audio.Pause();
    audio.Resume();
    audio.SetVolume(3);
    audio.SetPan(3);
    audio.SetLoop(true);
    audio.SetPosition(3);
    EXPECT_EQ(audio.Channel, -2);
    EXPECT_FALSE(audio.IsPlaying());
    EXPECT_EQ(audio.GetVolume(), 0);
    EXPECT_EQ(audio.GetPan(), 128);
    EXPECT_FALSE(audio.GetLoop());
    EXPECT_EQ(audio.GetPosition(), 0u);
}

TEST_F(MyAfsTest, PlayStartsPausedAndResumesAPausedChannel) {
    writeWave(dir / "a.wav", 1000);
    TMyAFS audio(device);
    audio.Load((dir / "a.wav").string());
    audio.Play();
    EXPECT_TRUE(device.paused(audio.Channel));
    EXPECT_EQ(device.soundingChannels(), 0u);
    audio.Resume();
    audio.Pause();
    const ChannelHandle first = audio.Channel;
    audio.Play();
    EXPECT_EQ(audio.Channel, first);
    EXPECT_EQ(device.activeChannels(), 1u);
    EXPECT_EQ(device.soundingChannels(), 1u);
    // A channel that has run out: Play starts a new one.
    device.advance(1000);
    EXPECT_FALSE(audio.IsPlaying());
    audio.Play();
    EXPECT_NE(audio.Channel, first);
}

TEST_F(MyAfsTest, PositionIsSixteenBitAndLoopWraps) {
    writeWave(dir / "a.wav", 10000);  // 80,000 frames at 8 kHz
    TMyAFS audio(device);
    audio.Load((dir / "a.wav").string());
    audio.Play();
    audio.SetPosition(static_cast<std::uint16_t>(70000));
    EXPECT_EQ(audio.GetPosition(), 4464u);
    audio.SetLoop(true);
    audio.SetPosition(60000);
    audio.Resume();
    device.advance(3000);  // 24,000 frames later: 4,000 after the wrap
    EXPECT_TRUE(audio.IsPlaying());
    EXPECT_EQ(audio.GetPosition(), 4000u);
    EXPECT_EQ(device.activeChannels(), 1u);
}

TEST_F(MyAfsTest, FailedLoadKeepsTheNameButNotTheSample) {
    writeWave(dir / "a.wav", 100);
    writeBytes(dir / "b.wav", "not a sound");
    const std::size_t held = device.loadedSamples();
    TMyAFS audio(device);
    audio.Load((dir / "a.wav").string());
    audio.Play();
    audio.Load((dir / "b.wav").string());
    EXPECT_EQ(audio.Sample, 0u);
    EXPECT_EQ(audio.Channel, -2);
    EXPECT_EQ(audio.FileName(), (dir / "a.wav").string());
    EXPECT_EQ(device.loadedSamples(), held);
    EXPECT_EQ(device.activeChannels(), 0u);
}

TEST_F(MyAfsTest, RecordingIsLoadedAgainAfterAFailedLoadInBetween) {
    addSound("A", "a.wav", 100);
    writeBytes(dir / "wave" / "b.wav", "RIFF");
    list.AddNahravku("B=b(wave\\b.wav)");
    primary.Add("A");
    primary.Add("B");
    primary.Add("A");
    tick(5);
    // The object still names a.wav after b.wav failed, yet holds nothing: A must load again.
    EXPECT_EQ(startedFiles(), (std::vector<std::string>{"a.wav", "a.wav"}));
}

TEST_F(MyAfsTest, DamagedAndHostileFilesFailToLoad) {
    std::vector<std::int16_t> samples(8000, 1000);
    const std::string good = waveBytes(samples, 8000, 1);
    writeBytes(dir / "good.wav", good);
    writeBytes(dir / "cut.wav", good.substr(0, good.size() / 2));
    writeBytes(dir / "header_only.wav", good.substr(0, 30));
    writeBytes(dir / "text.wav", "Toto nen\xED zvuk, jen text.\r\n");
    writeBytes(dir / "empty.wav", "");
    std::string huge = good;
    huge[40] = huge[41] = huge[42] = huge[43] = '\xFF';  // data claims 4 GB
    writeBytes(dir / "huge.wav", huge);
    std::string channels = good;
    channels[22] = channels[23] = '\xFF';  // 65535 channels
    writeBytes(dir / "channels.wav", channels);
    std::string rate = good;
    rate[24] = rate[25] = rate[26] = rate[27] = '\0';  // zero sample rate
    writeBytes(dir / "rate.wav", rate);
    std::filesystem::create_directories(dir / "dir.wav");

    EXPECT_NE(device.loadSample(dir / "good.wav"), 0u);
    EXPECT_EQ(device.durationMs(device.loadSample(dir / "good.wav")), 1000u);
    for (const char* name : {"cut.wav", "header_only.wav", "text.wav", "empty.wav", "huge.wav",
                             "channels.wav", "rate.wav", "dir.wav", "missing.wav"})
        EXPECT_EQ(device.loadSample(dir / name), 0u) << name;
}

TEST_F(MyAfsTest, VirtualDeviceLogsWhatStartsAndEnds) {
    writeWave(dir / "a.wav", 250);
    TMyAFS audio(device);
    audio.Load((dir / "a.wav").string());
    device.advance(100);
    audio.Play();
    audio.SetVolume(200);
    audio.Resume();
    device.advance(100);
    audio.Pause();
    device.advance(500);
    audio.Resume();
    device.advance(1000);
    std::vector<std::string> lines;
    for (const auto& e : device.events())
        lines.push_back(VirtualDevice::describe(e));
    const std::string f = (dir / "a.wav").string();
    EXPECT_EQ(lines,
              (std::vector<std::string>{"100 start " + f + " vol 200 pan 128", "200 pause " + f,
                                        "700 resume " + f, "850 end " + f}));
}

}  // namespace
}  // namespace vek::test
