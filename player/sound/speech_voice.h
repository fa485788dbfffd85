// The synthetic voice as the queues use it: speech kept by text so that a text heard again (a
// list walked up and down) starts at once, and texts wanted soon (the entries of the list just
// shown) synthesized ahead while the player is idle.
#pragma once

#include <cstddef>
#include <deque>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "player/sound/speech_synthesizer.h"

namespace vek {

// A queue item that says `text` with the synthetic voice instead of playing a recording.
std::string SpeechItem(std::string_view text);
// A queue item that plays the recording of `key` (with an optional "|" suffix) and, when that
// cannot be played (unknown key, missing or undecodable file), says `text` instead.
std::string WithSpeech(std::string_view key, std::string_view text);
// The text of a speech item; nullopt for any other item.
std::optional<std::string_view> SpeechText(std::string_view item);

// What a queue item may be marked with besides its key and speech.
enum ItemMark : unsigned {
    // Added only because the player asked for more than the game says (the selected entry
    // after a command, a text that is only shown): any key press or stop command drops it
    // wherever it waits, so it never holds a key back.
    Optional = 1,
    // Said for the main cycle: dropped unsaid once the cycle has something newer to say.
    FromCycle = 2,
};
// `item` with `marks` added to those it carries.
std::string Marked(std::string_view item, unsigned marks);

// An item split into its key part, the text said in its place ("" when none) and its marks.
struct SpokenItem {
    std::string_view key;
    std::string_view text;
    unsigned marks = 0;
};
SpokenItem SplitSpeech(std::string_view item);

class TSpeechVoice {
  public:
    explicit TSpeechVoice(SpeechSynthesizer& synthesizer, std::size_t cacheBytes = 32u << 20);

    bool Ready() const { return synthesizer_.Ready(); }
    std::string Problem() const { return synthesizer_.Problem(); }
    // A new speed drops what was made at the old one.
    void SetRate(int percent);
    int Rate() const { return rate_; }

    // The speech of `text`: kept from before, or synthesized now. Null when it cannot be made.
    std::shared_ptr<const SpeechPcm> Speech(std::string_view text);
    // Replaces the texts to make ahead of need; Idle() makes them one at a time.
    void Prefetch(std::vector<std::string> texts);
    // Makes one text wanted ahead; false when none is left.
    bool Idle();
    bool Cached(std::string_view text) const { return cache_.count(std::string(text)) != 0; }
    std::size_t CachedBytes() const { return bytes_; }

  private:
    using Lru = std::list<std::string>;
    struct Entry {
        std::shared_ptr<const SpeechPcm> pcm;
        Lru::iterator use;
    };
    void trim();

    SpeechSynthesizer& synthesizer_;
    std::size_t budget_;
    std::size_t bytes_ = 0;
    int rate_ = SpeechSynthesizer::kNormalRate;
    std::unordered_map<std::string, Entry> cache_;
    Lru lru_;  // most recently used first
    std::deque<std::string> wanted_;
};

}  // namespace vek
