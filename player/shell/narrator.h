// The player's own voice for what has no recording: list entries whose recording is missing,
// and the text pane lines of a command that spoke nothing. It also decides what is left to a
// screen reader, and names the entry a list was built on once the command has had its say.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "player/sound/speech_synthesizer.h"
#include "player/sound/speech_voice.h"

namespace vek::player {

class PlayerShell;

class Narrator {
  public:
    // `synthesizer` none: the system's voice.
    Narrator(PlayerShell& shell, SpeechSynthesizer* synthesizer);
    Narrator(const Narrator&) = delete;
    Narrator& operator=(const Narrator&) = delete;

    TSpeechVoice& voice() { return voice_; }
    // Takes the options' speech settings; says once in the trace why there is no voice.
    void ApplySettings();

    // A command: a key press or a timer's script run, with everything its scripts did. Scopes
    // nest (a key answering a waiting script); the outermost one ends the command.
    void BeginCommand();
    // `answerNow`: what the command queued starts at once rather than at the next tick.
    void EndCommand(bool answerNow);
    // A line written to the text pane.
    void LineShown(const std::string& line);
    // A script starts waiting: what it has shown so far must be heard now.
    void Flush();
    // The command list was rebuilt: its entries are made ahead, and an entry it was built on
    // is named at the end of the command.
    void ListBuilt();

    // Queues the entry's recording `key` ("" when it has none) with its text as a stand-in.
    void SayEntry(const std::string& key, const std::string& text);
    // The screen reader, not the game, reads the list entries.
    bool EntriesLeftToReader() const;
    // One piece of the idle time of a timer tick.
    void Idle() { voice_.Idle(); }

    // The sentences of a text pane line, each said as an item of its own so that the first one
    // starts at once and Ctrl+Left repeats one sentence.
    static std::vector<std::string> Sentences(std::string_view line);

  private:
    bool Speaks() const;
    bool TextsLeftToReader() const;

    PlayerShell& shell_;
    std::unique_ptr<SpeechSynthesizer> own_;
    SpeechSynthesizer& synthesizer_;
    TSpeechVoice voice_;
    std::vector<std::string> lines_;  // shown since the command began or last flushed
    std::uint64_t queuedAtStart_ = 0;
    int depth_ = 0;
    bool announceSelection_ = false;
    bool problemReported_ = false;
};

}  // namespace vek::player
