// The player's own voice. It stands in for a recording that cannot be played (a key the sound
// list does not know, a missing or undecodable file, a text said without any recording) and,
// only when the player asks for it, reads the texts the game only shows and names the entry a
// list was rebuilt on. What it adds beyond the game's own sounds never holds a key back. While a
// screen reader runs it can leave the list entries and its texts to the reader instead.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "player/script/script_sound.h"
#include "player/shell/config.h"
#include "player/shell/view.h"
#include "player/sound/queue.h"
#include "player/sound/sound_env.h"
#include "player/sound/speech_synthesizer.h"
#include "player/sound/speech_voice.h"

namespace vek::player {

// What the narrator works with; the shell owns all of it.
struct NarratorContext {
    const SpeechSettings& speech;
    ShellView& view;
    TZvukFronta& primary;
    TZvukFronta& secondary;
    const SoundEnv& sound;  // the sound list and device: whether a recording can be played
    const MainBoxModel& mainBox;
    std::function<void(int)> announce;  // queues what names list entry i
    std::function<void(std::string_view)> report;
};

class Narrator : public SaidTexts {
  public:
    // `synthesizer` none: the system's voice.
    Narrator(NarratorContext context, SpeechSynthesizer* synthesizer);
    Narrator(const Narrator&) = delete;
    Narrator& operator=(const Narrator&) = delete;

    TSpeechVoice& voice() { return voice_; }
    // Takes the speech settings; says once in the trace why there is no voice.
    void ApplySettings();

    // A command: a key press, or a run of the main cycle, with everything its scripts did.
    // Scopes nest (a key answering a waiting script, the cycle running during the wait); each
    // one's texts are dealt with when it ends. A cycle run first drops what earlier runs left
    // unsaid, so a cycle faster than its speech builds no backlog.
    void BeginCommand(bool mainCycle = false);
    // `answerNow`: what the command queued starts at once rather than at the next tick.
    void EndCommand(bool answerNow);
    // A line written to the text pane; `said`: a recording queued with it says it.
    void LineShown(const std::string& line, bool said);
    // A script starts waiting: what it has shown so far must be heard now.
    void Flush();
    // The command list was rebuilt: its entries are made ahead, and with the option on, the
    // entry it was built on is named at the end of the command.
    void ListBuilt();

    // The queue item for the recording `key` that says `text`: the voice stands in for it when
    // it cannot be played (to the screen reader instead, when texts go there).
    std::string Said(const std::string& key, std::string_view text);
    // Names list entry i as an addition to what the game says: it never holds a key back.
    void NameEntry(int i);
    // Queues a list entry's recording `key` ("" when it has none) with its text as a stand-in.
    void SayEntry(const std::string& key, const std::string& text);
    // The screen reader, not the game, reads the list entries.
    bool EntriesLeftToReader() const;
    // Whether the recording of `key` is there to be played.
    bool Playable(std::string_view key) const;
    // One piece of the idle time of a timer tick.
    void Idle() { voice_.Idle(); }

    // SaidTexts: a script's sound and the text its statement shows.
    std::string Queued(const std::string& item, std::string_view says) override;
    void BackgroundAdded(std::string_view name, std::string_view says) override;

    // The sentences of a text pane line, each said as an item of its own so that the first one
    // starts at once and Ctrl+Left repeats one sentence.
    static std::vector<std::string> Sentences(std::string_view line);

  private:
    struct Scope {
        std::vector<std::string> shownOnly;  // lines no recording says
        bool mainCycle = false;
    };
    bool Speaks() const;
    bool TextsLeftToReader() const;
    // Marks speech the player only asked for, and the main cycle's speech.
    std::string Mark(std::string item, bool optional) const;

    NarratorContext c_;
    std::unique_ptr<SpeechSynthesizer> own_;
    TSpeechVoice voice_;
    std::vector<Scope> scopes_;
    bool announceSelection_ = false;
    bool announcing_ = false;
    bool problemReported_ = false;
};

}  // namespace vek::player
