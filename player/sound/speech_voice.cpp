#include "player/sound/speech_voice.h"

#include <algorithm>

namespace vek {

namespace {
// Control characters no scenario's sound key holds: the speech mark, and a leading byte that
// carries the item's marks in its low bits.
constexpr char kSpeechMark = '\x01';
constexpr unsigned char kMarksBase = 0x10;
constexpr unsigned kAllMarks = Optional | FromCycle;

unsigned marksOf(std::string_view item) {
    if (item.empty())
        return 0;
    const auto first = static_cast<unsigned char>(item.front());
    return (first & ~kAllMarks) == kMarksBase ? first & kAllMarks : 0;
}

std::string_view withoutMarks(std::string_view item) {
    return marksOf(item) != 0 ? item.substr(1) : item;
}
}  // namespace

std::string Marked(std::string_view item, unsigned marks) {
    marks = (marks | marksOf(item)) & kAllMarks;
    std::string marked;
    if (marks != 0)
        marked += static_cast<char>(kMarksBase | marks);
    marked += withoutMarks(item);
    return marked;
}

std::string SpeechItem(std::string_view text) {
    std::string item(1, kSpeechMark);
    item += text;
    return item;
}

std::string WithSpeech(std::string_view key, std::string_view text) {
    if (text.empty())
        return std::string(key);
    std::string item(key);
    item += kSpeechMark;
    item += text;
    return item;
}

std::optional<std::string_view> SpeechText(std::string_view item) {
    item = withoutMarks(item);
    if (item.empty() || item.front() != kSpeechMark)
        return std::nullopt;
    return item.substr(1);
}

SpokenItem SplitSpeech(std::string_view item) {
    const unsigned marks = marksOf(item);
    item = withoutMarks(item);
    const auto mark = item.find(kSpeechMark);
    if (mark == std::string_view::npos)
        return {item, {}, marks};
    return {item.substr(0, mark), item.substr(mark + 1), marks};
}

TSpeechVoice::TSpeechVoice(SpeechSynthesizer& synthesizer, std::size_t cacheBytes)
    : synthesizer_(synthesizer), budget_(cacheBytes) {
    synthesizer_.SetRate(rate_);
}

void TSpeechVoice::SetRate(int percent) {
    percent = std::clamp(percent, SpeechSynthesizer::kMinRate, SpeechSynthesizer::kMaxRate);
    if (percent == rate_)
        return;
    rate_ = percent;
    synthesizer_.SetRate(percent);
    cache_.clear();
    lru_.clear();
    bytes_ = 0;
}

std::shared_ptr<const SpeechPcm> TSpeechVoice::Speech(std::string_view text) {
    std::string key(text);
    if (auto it = cache_.find(key); it != cache_.end()) {
        lru_.splice(lru_.begin(), lru_, it->second.use);
        return it->second.pcm;
    }
    if (!synthesizer_.Ready())
        return nullptr;
    auto made = synthesizer_.Synthesize(text);
    if (!made)
        return nullptr;
    auto pcm = std::make_shared<const SpeechPcm>(std::move(*made));
    bytes_ += pcm->bytes();
    lru_.push_front(key);
    cache_.emplace(std::move(key), Entry{pcm, lru_.begin()});
    trim();
    return pcm;
}

void TSpeechVoice::trim() {
    // The newest entry stays whatever its size: it is about to be played.
    while (bytes_ > budget_ && lru_.size() > 1) {
        auto it = cache_.find(lru_.back());
        bytes_ -= it->second.pcm->bytes();
        cache_.erase(it);
        lru_.pop_back();
    }
}

void TSpeechVoice::Prefetch(std::vector<std::string> texts) {
    wanted_.assign(std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
}

bool TSpeechVoice::Idle() {
    if (!synthesizer_.Ready())
        wanted_.clear();
    while (!wanted_.empty()) {
        std::string text = std::move(wanted_.front());
        wanted_.pop_front();
        if (Cached(text))
            continue;
        Speech(text);
        return true;
    }
    return false;
}

}  // namespace vek
