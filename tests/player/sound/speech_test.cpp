// The synthetic voice: the fixed-length rule, the speech cache, speech items in the queue, and
// speech rendered through the real output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>

#include "player/sound/openal_device.h"
#include "player/sound/speech_voice.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

using Strings = std::vector<std::string>;

// Counts what it is asked to make.
class CountingSynthesizer : public FixedLengthSynthesizer {
  public:
    std::optional<SpeechPcm> Synthesize(std::string_view text) override {
        made.emplace_back(text);
        return FixedLengthSynthesizer::Synthesize(text);
    }
    Strings made;
};

TEST(FixedLengthSynthesizer, LengthDependsOnTheTextAndTheRateOnly) {
    EXPECT_EQ(FixedLengthSynthesizer::DurationMs("Vezmi", 100), 500u);
    EXPECT_EQ(FixedLengthSynthesizer::DurationMs("Vezmi", 200), 250u);
    EXPECT_EQ(FixedLengthSynthesizer::DurationMs("Vezmi", 1000), 166u);  // clamped to 300 %
    FixedLengthSynthesizer synth;
    const auto pcm = synth.Synthesize("Vezmi");
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->durationMs(), 500u);
    synth.SetRate(50);
    EXPECT_EQ(synth.Synthesize("Vezmi")->durationMs(), 1000u);
    EXPECT_FALSE(synth.Synthesize("   "));
    EXPECT_FALSE(synth.Synthesize(""));
}

TEST(SpeechVoice, KeepsSpeechByTextWithinItsBudgetAndMakesWantedTextsAhead) {
    CountingSynthesizer synth;
    // 500 ms at 8 kHz is 8000 bytes: the budget holds two such texts.
    TSpeechVoice voice(synth, 17000);
    EXPECT_TRUE(voice.Speech("Vezmi"));
    EXPECT_TRUE(voice.Speech("Vezmi"));
    EXPECT_EQ(synth.made, (Strings{"Vezmi"}));

    voice.Prefetch({"Jdi11", "Vezmi", "Polo\x9E"});
    EXPECT_TRUE(voice.Idle());
    EXPECT_TRUE(voice.Idle());  // "Vezmi" is kept already: the last one is made instead
    EXPECT_FALSE(voice.Idle());
    EXPECT_EQ(synth.made, (Strings{"Vezmi", "Jdi11", "Polo\x9E"}));
    EXPECT_LE(voice.CachedBytes(), 17000u);
    EXPECT_FALSE(voice.Cached("Vezmi"));  // the least recently used went first
    EXPECT_TRUE(voice.Cached("Polo\x9E"));

    // Speech made at another speed is not used again.
    voice.SetRate(200);
    EXPECT_FALSE(voice.Cached("Polo\x9E"));
    EXPECT_EQ(voice.Speech("Polo\x9E")->durationMs(), 250u);
}

TEST(SpeechVoice, SpeechItemsAreMarkedApartFromSoundKeys) {
    EXPECT_EQ(SpeechText(SpeechItem("Stará truhla")), "Stará truhla");
    EXPECT_FALSE(SpeechText("SZjdi"));
    EXPECT_FALSE(SpeechText(""));
}

class SpeechQueueTest : public SoundFixture {
  protected:
    SpeechQueueTest() { env.voice = &voice; }
    FixedLengthSynthesizer synth;
    TSpeechVoice voice{synth};
};

TEST_F(SpeechQueueTest, SpeechPlaysInOrderWithRecordingsAtTheDialogueVolume) {
    addSound("A", "a.wav", 150);
    volumes.voice = 32768;
    primary.Add("A");
    primary.Add(SpeechItem("Lucerna"));  // 620 ms
    primary.Add("A");
    tick(12);
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:tts:Lucerna", "primary:A"}));
    const auto& events = device.events();
    auto speech = std::find_if(events.begin(), events.end(),
                               [](const auto& e) { return e.file == "tts:Lucerna"; });
    ASSERT_NE(speech, events.end());
    EXPECT_EQ(speech->timeMs, 200u);
    EXPECT_EQ(speech->volume, 128);
    EXPECT_EQ(speech->pan, 128);
    EXPECT_EQ(startTime("a.wav", 300), 900);  // the speech ended at 820 ms
}

TEST_F(SpeechQueueTest, SpeechIsCutByAnyKeyAndCanBeHeardAgain) {
    addSound("P2", "p2.wav", 100, "2");
    primary.Add(SpeechItem("Lucerna"));
    primary.Add("P2");
    primary.Add(SpeechItem("Klíč"));
    tick(1);
    EXPECT_TRUE(primary.Playing());
    // Priority 0: the lowest level cuts it, and the loop stops at the priority-2 recording.
    EXPECT_FALSE(primary.StopUpTo(0));
    EXPECT_FALSE(primary.Playing());
    EXPECT_EQ(primary.History().front(), SpeechItem("Lucerna"));
    // Back, with nothing sounding, says the last one again.
    primary.Back();
    EXPECT_TRUE(primary.Playing());
    EXPECT_EQ(observer.log, (Strings{"primary:tts:Lucerna", "primary:tts:Lucerna"}));
    // Skip goes straight on.
    primary.Skip();
    EXPECT_EQ(observer.log.back(), "primary:P2");
    EXPECT_TRUE(primary.StopUpTo(2));
}

TEST_F(SpeechQueueTest, SpeechThatCannotBeMadeIsDropped) {
    addSound("A", "a.wav", 100);
    primary.Add(SpeechItem("   "));
    primary.Add("A");
    tick(2);
    EXPECT_EQ(observer.log, (Strings{"primary:A"}));
    env.voice = nullptr;
    primary.Add(SpeechItem("Lucerna"));
    tick(3);
    EXPECT_TRUE(primary.Pending().empty());
    EXPECT_EQ(observer.log, (Strings{"primary:A"}));
}

TEST_F(SpeechQueueTest, TextStandsInOnlyForARecordingThatCannotBePlayed) {
    addSound("A", "a.wav", 100, "|50x50");
    list.AddNahravku("B=B(wave\\chybi.wav)");  // names a file that does not exist
    writeBytes(dir / "wave" / "rozbity.wav", "RIFF....WAVEfmt nothing here");
    list.AddNahravku("C=C(wave\\rozbity.wav)");
    primary.Add(WithSpeech("A", "lucerna"));
    primary.Add(WithSpeech("B", "kl\xED\xE8"));
    primary.Add(WithSpeech("C", "sud"));
    primary.Add(WithSpeech("neznamy", "dve\xF8\x65"));
    primary.Add(WithSpeech("", "okno"));
    tick(60);
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:tts:kl\xED\xE8", "primary:tts:sud",
                                     "primary:tts:dve\xF8\x65", "primary:tts:okno"}));
    // A stand-in is cut like speech, and stepping back says it again.
    primary.Back();
    EXPECT_EQ(observer.log.back(), "primary:tts:okno");
    EXPECT_TRUE(primary.StopUpTo(0));
}

// What only an option added never holds a key back, and the main cycle's speech that has not
// started yet gives way to newer: what would play a recording stays, the rest goes.
TEST_F(SpeechQueueTest, OptionalItemsYieldToKeysAndStaleCycleSpeechIsDropped) {
    addSound("P1", "p1.wav", 1000, "1");
    addSound("A", "a.wav", 100);
    primary.Add("P1");
    primary.Tick();
    primary.Add(Marked(WithSpeech("A", "alfa"), Optional));
    primary.Add(Marked(SpeechItem("beta"), Optional));
    EXPECT_TRUE(primary.StopUpTo(0));  // the reply plays on, nothing else waits
    EXPECT_TRUE(primary.Playing());

    primary.Add(Marked(WithSpeech("A", "alfa"), FromCycle));
    primary.Add(Marked(WithSpeech("neznamy", "tik"), FromCycle));
    primary.Add(Marked(SpeechItem("tak"), FromCycle));
    primary.Add(SpeechItem("gama"));
    primary.DropCycleSpeech();
    EXPECT_EQ(Strings(primary.Pending().begin(), primary.Pending().end()),
              (Strings{Marked(WithSpeech("A", "alfa"), FromCycle), SpeechItem("gama")}));
    EXPECT_EQ(SplitSpeech(Marked(WithSpeech("A", "alfa"), Optional | FromCycle)).marks,
              unsigned{Optional | FromCycle});
}

TEST_F(SpeechQueueTest, StartNowAnswersAtOnceButLeavesPausesAndABusyChannelToTheTimer) {
    addSound("A", "a.wav", 300);
    primary.Add("neznamy");
    primary.Add(SpeechItem("Lucerna"));
    primary.StartNow();
    EXPECT_EQ(observer.log, (Strings{"primary:tts:Lucerna"}));
    EXPECT_EQ(env.PauseTicks, 0);

    primary.Add("A");
    primary.StartNow();  // the channel is busy
    EXPECT_EQ(primary.Pending().size(), 1u);

    primary.StopUpTo(0);
    primary.Add("%3");
    primary.Add("A");
    primary.StartNow();
    EXPECT_EQ(primary.Pending().size(), 2u);
    EXPECT_EQ(env.PauseTicks, 0);

    primary.StopUpTo(9);
    env.SoundsOn = false;  // before the first tick nothing sounds
    primary.Add("A");
    primary.StartNow();
    EXPECT_FALSE(primary.Playing());
}

// Speech through the real output: audible, and as loud as the dialogue volume says.
TEST(SpeechLoopback, SpeechIsAudibleAndFollowsTheDialogueVolume) {
    OpenAlDevice device(OpenAlDevice::Options{true, 44100});
    TSoundBox box(device);
    box.Init();
    ASSERT_TRUE(box.Initialised());
    SoundBasePaths paths;
    TSeznamZvuku list(paths);
    VolumeSettings volumes;
    FixedLengthSynthesizer synth;
    TSpeechVoice voice(synth);
    SoundEnv env{box, list, paths, volumes};
    env.voice = &voice;
    env.SoundsOn = true;
    TZvukFronta queue(env, "primary");
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vek_speech_loopback_" + std::to_string(::getpid()));
    writeWave(dir / "sx00.wav", 10);
    queue.CreateAudio((dir / "sx00.wav").string());

    auto level = [&](int voiceVolume) {
        queue.StopUpTo(9);
        volumes.voice = voiceVolume;
        queue.Add(SpeechItem("Lucerna"));
        queue.StartNow();
        std::vector<float> out(2 * 4410);
        device.render(out.data(), 4410);
        double sum = 0;
        for (std::size_t i = 0; i < out.size(); i += 2)
            sum += double(out[i]) * out[i];
        return std::sqrt(sum / 4410);
    };
    const double full = level(65535);
    const double half = level(32768);
    EXPECT_GT(full, 0.05);
    EXPECT_NEAR(half / full, 0.5, 0.05);
    EXPECT_LT(level(0), 1e-4);
    std::filesystem::remove_all(dir);
}

// The installed voice, where there is one: Czech text becomes sound.
TEST(SystemSynthesizer, SpeaksCzechOrSaysWhyNot) {
    auto synth = makeSystemSynthesizer();
    if (!synth->Ready()) {
        EXPECT_FALSE(synth->Problem().empty());
        GTEST_SKIP() << synth->Problem();
    }
    const auto pcm = synth->Synthesize(
        "Star\xE1 truhla je zam\xE8"
        "en\xE1.");
    ASSERT_TRUE(pcm);
    EXPECT_GT(pcm->durationMs(), 500u);
    EXPECT_LT(pcm->durationMs(), 5000u);
    EXPECT_FALSE(synth->Synthesize(" "));
}

}  // namespace
}  // namespace vek::test
