// The real output, rendered into memory through OpenAL Soft's loopback device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "player/sound/openal_device.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

constexpr int kRate = 44100;

std::vector<std::int16_t> sine(int frames, double amplitude, double hz, int channels = 1,
                               double rightAmplitude = 0) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(frames * channels));
    for (int i = 0; i < frames; ++i) {
        const double v = std::sin(2 * std::numbers::pi * hz * i / kRate);
        s[static_cast<std::size_t>(i * channels)] = static_cast<std::int16_t>(v * amplitude);
        if (channels == 2)
            s[static_cast<std::size_t>(i * 2 + 1)] = static_cast<std::int16_t>(v * rightAmplitude);
    }
    return s;
}

struct Levels {
    double left = 0, right = 0;
};

class OpenAlTest : public ::testing::Test {
  protected:
    OpenAlTest() : device(OpenAlDevice::Options{true, kRate}) {
        dir = std::filesystem::temp_directory_path() /
              ("vek_openal_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir);
        std::string error;
        ready = device.init(&error);
        EXPECT_TRUE(ready) << error;
    }
    ~OpenAlTest() override {
        device.close();
        std::filesystem::remove_all(dir);
    }

    SampleHandle load(const std::string& name, const std::vector<std::int16_t>& samples,
                      int channels = 1) {
        writeBytes(dir / name, waveBytes(samples, kRate, channels));
        return device.loadSample(dir / name);
    }
    ChannelHandle start(SampleHandle sample, int volume, int pan, bool loop = false) {
        const ChannelHandle c = device.playPaused(sample);
        device.setVolume(c, volume);
        device.setPan(c, pan);
        device.setLoop(c, loop);
        device.setPaused(c, false);
        return c;
    }
    // Renders `frames` frames and gives the RMS of each side over the part after `skip`.
    Levels render(std::size_t frames, std::size_t skip = 0) {
        // In periods as a sound card would ask for them, so the mixer's start-up ramp (one
        // period long) stays inside the skipped part.
        std::vector<float> out(frames * 2);
        for (std::size_t at = 0; at < frames; at += 256)
            device.render(out.data() + 2 * at, std::min<std::size_t>(256, frames - at));
        Levels l;
        for (std::size_t i = skip; i < frames; ++i) {
            l.left += double(out[2 * i]) * out[2 * i];
            l.right += double(out[2 * i + 1]) * out[2 * i + 1];
        }
        const double n = double(frames - skip);
        return {std::sqrt(l.left / n), std::sqrt(l.right / n)};
    }

    static constexpr double kAmp = 16000;
    static double rms(double amplitude) { return amplitude / 32768.0 / std::sqrt(2.0); }

    std::filesystem::path dir;
    OpenAlDevice device;
    bool ready = false;
};

TEST_F(OpenAlTest, VolumeIsALinearGain) {
    ASSERT_TRUE(ready);
    const SampleHandle s = load("a.wav", sine(kRate, kAmp, 1000));
    for (int volume : {255, 200, 128, 64, 10}) {
        const ChannelHandle c = start(s, volume, 0);
        const Levels l = render(4410, 441);
        EXPECT_NEAR(l.left / rms(kAmp), volume / 255.0, 0.02 * volume / 255.0) << volume;
        device.stop(c);
    }
    const ChannelHandle c = start(s, 0, 128);
    const Levels l = render(4410, 441);
    EXPECT_LT(l.left + l.right, 1e-4);
    device.stop(c);
}

TEST_F(OpenAlTest, PanIsAConstantPowerBalanceForMonoAndStereo) {
    ASSERT_TRUE(ready);
    const SampleHandle mono = load("m.wav", sine(kRate, kAmp, 1000));
    const SampleHandle stereo = load("s.wav", sine(kRate, kAmp, 1000, 2, kAmp / 2), 2);
    for (int pan : {0, 32, 64, 128, 192, 255}) {
        const double angle = pan / 255.0 * std::numbers::pi / 2;
        const double wantLeft = std::cos(angle), wantRight = std::sin(angle);
        for (bool isStereo : {false, true}) {
            const ChannelHandle c = start(isStereo ? stereo : mono, 255, pan);
            const Levels l = render(4410, 441);
            const double right = l.right / rms(isStereo ? kAmp / 2 : kAmp);
            const double left = l.left / rms(kAmp);
            EXPECT_NEAR(left, wantLeft, 0.05 * std::max(wantLeft, 0.02)) << pan << isStereo;
            EXPECT_NEAR(right, wantRight, 0.05 * std::max(wantRight, 0.02)) << pan << isStereo;
            device.stop(c);
        }
    }
    // Centre is centred: both sides equal within a few per cent.
    const ChannelHandle c = start(mono, 255, 128);
    const Levels l = render(4410, 441);
    EXPECT_NEAR(l.left / l.right, 1.0, 0.02);
    device.stop(c);
}

TEST_F(OpenAlTest, LoopKeepsSoundingAndAnEndedChannelIsGone) {
    ASSERT_TRUE(ready);
    const SampleHandle s = load("a.wav", sine(kRate / 10, kAmp, 1000));  // 100 ms
    const ChannelHandle looped = start(s, 255, 0, true);
    const ChannelHandle once = start(s, 255, 255, false);
    render(kRate / 5);
    const Levels l = render(kRate / 10);
    EXPECT_GT(l.left, 0.5 * rms(kAmp));
    EXPECT_LT(l.right, 1e-4);
    EXPECT_TRUE(device.isPlaying(looped));
    EXPECT_FALSE(device.isPlaying(once));
    EXPECT_EQ(device.volume(once), 0);
    EXPECT_TRUE(device.loop(looped));
    device.setLoop(looped, false);
    render(kRate / 5);
    EXPECT_FALSE(device.isPlaying(looped));
}

TEST_F(OpenAlTest, PauseHoldsThePositionAndResumeGoesOn) {
    ASSERT_TRUE(ready);
    const SampleHandle s = load("a.wav", sine(kRate, kAmp, 1000));
    const ChannelHandle c = start(s, 255, 128);
    render(4410);
    device.setPaused(c, true);
    const std::uint32_t at = device.position(c);
    EXPECT_NEAR(double(at), 4410.0, 64.0);
    const Levels silent = render(4410);
    EXPECT_LT(silent.left + silent.right, 1e-3);
    EXPECT_EQ(device.position(c), at);
    EXPECT_TRUE(device.paused(c));
    EXPECT_TRUE(device.isPlaying(c));
    device.setPaused(c, false);
    const Levels l = render(4410, 441);
    EXPECT_GT(l.left, 0.6 * rms(kAmp));
    EXPECT_NEAR(double(device.position(c)), at + 4410.0, 64.0);
}

TEST_F(OpenAlTest, PositionSetBeforeAndWhilePlaying) {
    ASSERT_TRUE(ready);
    // Silent first half, loud second half.
    std::vector<std::int16_t> samples = sine(kRate, kAmp, 1000);
    std::fill(samples.begin(), samples.begin() + kRate / 2, std::int16_t{0});
    const SampleHandle s = load("a.wav", samples);
    ChannelHandle c = device.playPaused(s);
    device.setPosition(c, kRate / 2);
    EXPECT_EQ(device.position(c), std::uint32_t(kRate / 2));
    device.setPaused(c, false);
    EXPECT_GT(render(2205, 441).left, 0.6 * rms(kAmp));
    device.setPosition(c, 1000);
    EXPECT_LT(render(2205, 100).left, 1e-3);
    EXPECT_NEAR(double(device.position(c)), 1000.0 + 2205.0, 64.0);
    device.stop(c);
    EXPECT_FALSE(device.isPlaying(c));
    EXPECT_EQ(device.position(c), 0u);
}

TEST_F(OpenAlTest, ManyChannelsAtOnce) {
    ASSERT_TRUE(ready);
    const SampleHandle s = load("a.wav", sine(kRate, 300, 1000));
    std::vector<ChannelHandle> channels;
    for (int i = 0; i < 80; ++i)
        channels.push_back(start(s, 255, 128, true));
    render(441);
    for (ChannelHandle c : channels) {
        ASSERT_GE(c, 0);
        EXPECT_TRUE(device.isPlaying(c));
    }
}

TEST_F(OpenAlTest, DamagedFilesFailAndChangedFilesAreReadAgain) {
    ASSERT_TRUE(ready);
    writeBytes(dir / "text.wav", "nen\xED zvuk");
    EXPECT_EQ(device.loadSample(dir / "text.wav"), 0u);
    const std::string good = waveBytes(sine(kRate, kAmp, 1000), kRate, 1);
    writeBytes(dir / "cut.wav", good.substr(0, good.size() - 1000));
    EXPECT_EQ(device.loadSample(dir / "cut.wav"), 0u);

    const SampleHandle a = load("a.wav", sine(kRate / 10, kAmp, 1000));
    device.freeSample(a);
    const SampleHandle b = load("a.wav", sine(kRate, kAmp, 1000));  // now 1 s long
    const ChannelHandle c = start(b, 255, 128);
    render(kRate / 5);
    EXPECT_TRUE(device.isPlaying(c));
    device.freeSample(b);  // stops its channel
    EXPECT_FALSE(device.isPlaying(c));
}

TEST_F(OpenAlTest, LoudSoundsTogetherAddUpUnchanged) {
    ASSERT_TRUE(ready);
    // A recording near full scale comes out as it is, and two of them overlapping simply add
    // up: nothing rides the gain behind the mix's back.
    constexpr double kLoud = 30000;
    const SampleHandle s = load("a.wav", sine(kRate, kLoud, 1000));
    const ChannelHandle a = start(s, 255, 0);
    const Levels one = render(4410, 441);
    EXPECT_NEAR(one.left / rms(kLoud), 1.0, 0.01);
    const ChannelHandle b = start(s, 255, 0);
    device.setPosition(b, device.position(a));
    const Levels two = render(4410, 441);
    EXPECT_NEAR(two.left / rms(kLoud), 2.0, 0.04);
    device.stop(a);
    device.stop(b);
}

TEST_F(OpenAlTest, OutputPausesWhileNothingSoundsAndResumesForTheNextChannel) {
    ASSERT_TRUE(ready);
    EXPECT_TRUE(device.outputPaused());
    const SampleHandle s = load("a.wav", sine(kRate / 10, kAmp, 1000));  // 100 ms
    const SampleHandle longer = load("b.wav", sine(kRate, kAmp, 1000));

    // A channel prepared but not started keeps the output paused; starting it is heard at once.
    ChannelHandle c = device.playPaused(s);
    render(kRate / 2);
    EXPECT_TRUE(device.outputPaused());
    device.setPaused(c, false);
    EXPECT_FALSE(device.outputPaused());
    EXPECT_GT(render(2205, 441).left, 0.6 * rms(kAmp));

    // Once it has ended, the output runs on a moment (the end is still on its way to the
    // speakers) and then pauses.
    render(kRate / 10);
    EXPECT_FALSE(device.isPlaying(c));
    EXPECT_FALSE(device.outputPaused());
    render(kRate / 4);
    EXPECT_TRUE(device.outputPaused());

    // A looping channel keeps it running for as long as it plays.
    c = start(longer, 255, 128, true);
    for (int i = 0; i < 4; ++i) {
        render(kRate / 2);
        EXPECT_TRUE(device.isPlaying(c));
        EXPECT_FALSE(device.outputPaused());
    }

    // Pausing the only channel pauses the output too; its place is kept across it.
    device.setPaused(c, true);
    const std::uint32_t at = device.position(c);
    render(kRate / 4);
    EXPECT_TRUE(device.paused(c));
    EXPECT_TRUE(device.outputPaused());
    EXPECT_EQ(device.position(c), at);
    device.setPaused(c, false);
    EXPECT_FALSE(device.outputPaused());
    const Levels l = render(4410, 441);
    EXPECT_GT(l.left, 0.6 * rms(kAmp));
    EXPECT_GT(l.right, 0.6 * rms(kAmp));
    EXPECT_NEAR(double(device.position(c)), double((at + 4410) % kRate), 64.0);

    // Stopping it, or freeing its sample, lets the output pause again.
    device.stop(c);
    render(kRate / 4);
    EXPECT_TRUE(device.outputPaused());
    c = start(longer, 255, 128);
    EXPECT_FALSE(device.outputPaused());
    render(4410);
    device.freeSample(longer);
    render(kRate / 4);
    EXPECT_TRUE(device.outputPaused());
    EXPECT_LT(render(4410).left, 1e-4);
}

TEST(OpenAlInitTest, NoOutputDeviceFailsWithATextInsteadOfCrashing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "none-such-backend", 1);
            OpenAlDevice device;
            std::string error;
            const bool ok = device.init(&error);
            device.close();
            std::exit(ok ? 1 : error.empty() ? 2 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vek::test
