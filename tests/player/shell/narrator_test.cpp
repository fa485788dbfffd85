#include "player/shell/narrator.h"

#include <gtest/gtest.h>

#include "tests/player/sound/sound_test_support.h"

namespace vek::player {
namespace {

using Strings = std::vector<std::string>;

TEST(Narrator, LinesAreReadSentenceBySentence) {
    EXPECT_EQ(Narrator::Sentences("Jsi ve sklep\xEC. Je tu tma! Kdo je tam? Nikdo"),
              (Strings{"Jsi ve sklep\xEC.", "Je tu tma!", "Kdo je tam?", "Nikdo"}));
    // A stop not followed by a space ends nothing; spaces around are dropped.
    EXPECT_EQ(Narrator::Sentences(" 3.14 je p\xED.  "), (Strings{"3.14 je p\xED."}));
    EXPECT_EQ(Narrator::Sentences("Konec...  A dal."), (Strings{"Konec...", "A dal."}));
    EXPECT_TRUE(Narrator::Sentences("   ").empty());
    EXPECT_TRUE(Narrator::Sentences("").empty());
}

class ReaderView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& r) override { return r.defaultAnswer; }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
    bool screenReaderActive() const override { return readerRuns; }
    void screenReaderSay(const std::string& text) override { toReader.push_back(text); }
    bool readerRuns = false;
    Strings toReader;
};

class NarratorTest : public test::SoundFixture {
  protected:
    NarratorTest() {
        env.voice = &narrator.voice();
        addSound("A", "a.wav", 200);
        list.AddNahravku("B=B(wave\\chybi.wav)");  // names a file that does not exist
    }
    // One command that queues `key` saying `text` and shows it.
    void say(const std::string& key, const std::string& text) {
        narrator.BeginCommand();
        primary.Add(narrator.Said(key, text));
        narrator.LineShown(text, true);
        narrator.EndCommand(true);
        tick(30);
    }

    SpeechSettings speech;
    ReaderView view;
    MainBoxModel mainBox;
    FixedLengthSynthesizer synth;
    Narrator narrator{NarratorContext{speech, view, primary, secondary, env, mainBox, [](int) {},
                                      [](std::string_view) {}},
                      &synth};
};

TEST_F(NarratorTest, TheVoiceStandsInOnlyForARecordingThatCannotBePlayed) {
    EXPECT_TRUE(narrator.Playable("A|50x50"));
    EXPECT_FALSE(narrator.Playable("B"));
    EXPECT_FALSE(narrator.Playable("neznamy"));
    say("A", "Alfa");
    say("B", "Beta");
    say("neznamy", "Gama");
    EXPECT_EQ(observer.log, (Strings{"primary:A", "primary:tts:Beta", "primary:tts:Gama"}));

    // Switched off: only what the game itself plays.
    observer.log.clear();
    speech.speakTexts = false;
    say("A", "Alfa");
    say("B", "Beta");
    EXPECT_EQ(observer.log, (Strings{"primary:A"}));
}

TEST_F(NarratorTest, TextsOnlyShownAreReadOnlyWhenAskedForAndNeverHoldAKeyBack) {
    narrator.BeginCommand();
    narrator.LineShown("Nevid\xED\x9A nic zaj\xEDmav\xE9ho.", false);
    narrator.EndCommand(true);
    EXPECT_TRUE(primary.Pending().empty());
    EXPECT_FALSE(primary.Playing());

    speech.readShownTexts = true;
    addSound("P1", "p1.wav", 2000, "1");
    primary.Add("P1");
    primary.Tick();
    narrator.BeginCommand();
    narrator.LineShown("Je tu tma. Nic nevid\xED\x9A.", false);
    narrator.EndCommand(true);
    EXPECT_EQ(primary.Pending().size(), 2u);
    EXPECT_TRUE(primary.StopUpTo(0));  // a key still acts while the reply plays
}

// While a screen reader runs there is one voice: what has a recording keeps it, and what the
// voice would have said goes to the reader instead.
TEST_F(NarratorTest, WithAScreenReaderTextsWithoutARecordingGoToTheReaderInstead) {
    view.readerRuns = true;
    say("A", "Alfa");
    say("B", "Beta");
    EXPECT_EQ(observer.log, (Strings{"primary:A"}));
    EXPECT_EQ(view.toReader, Strings{"Beta"});
    EXPECT_TRUE(narrator.EntriesLeftToReader());

    // The player may choose the game's voice for both.
    speech.textsToReader = speech.entriesToReader = false;
    say("B", "Beta");
    EXPECT_EQ(observer.log.back(), "primary:tts:Beta");
    EXPECT_FALSE(narrator.EntriesLeftToReader());
}

TEST_F(NarratorTest, AMainCycleRunDropsWhatEarlierRunsLeftUnsaid) {
    for (int run = 0; run < 3; ++run) {
        narrator.BeginCommand(true);
        primary.Add(narrator.Said("neznamy", "Tiknuly hodiny."));
        narrator.EndCommand(false);
    }
    EXPECT_EQ(Strings(primary.Pending().begin(), primary.Pending().end()),
              Strings{Marked(WithSpeech("neznamy", "Tiknuly hodiny."), FromCycle)});
}

}  // namespace
}  // namespace vek::player
