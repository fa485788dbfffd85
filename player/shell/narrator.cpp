#include "player/shell/narrator.h"

namespace vek::player {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

Narrator::Narrator(NarratorContext context, SpeechSynthesizer* synthesizer)
    : c_(std::move(context)),
      own_(synthesizer ? nullptr : makeSystemSynthesizer()),
      voice_(synthesizer ? *synthesizer : *own_) {}

void Narrator::ApplySettings() {
    voice_.SetRate(c_.speech.rate);
    if (!problemReported_ && c_.speech.speakTexts && !voice_.Ready()) {
        problemReported_ = true;
        c_.report("no synthetic voice: " + voice_.Problem());
    }
}

bool Narrator::Speaks() const {
    return c_.speech.speakTexts && voice_.Ready();
}

bool Narrator::EntriesLeftToReader() const {
    return c_.speech.entriesToReader && c_.view.screenReaderActive();
}

bool Narrator::TextsLeftToReader() const {
    return c_.speech.textsToReader && c_.view.screenReaderActive();
}

bool Narrator::Playable(std::string_view key) const {
    const TNahravka* entry = c_.sound.list.Najdi(key);
    return entry && c_.sound.box.Initialised() && RecordingFound(*entry, c_.sound);
}

std::string Narrator::Mark(std::string item, bool optional) const {
    unsigned marks = optional || announcing_ ? unsigned{Optional} : 0u;
    if (!scopes_.empty() && scopes_.back().mainCycle && !SplitSpeech(item).text.empty())
        marks |= FromCycle;
    return marks != 0 ? Marked(item, marks) : item;
}

void Narrator::BeginCommand(bool mainCycle) {
    if (scopes_.empty())
        announceSelection_ = false;
    if (mainCycle) {
        c_.primary.DropCycleSpeech();
        c_.secondary.DropCycleSpeech();
    }
    scopes_.push_back({{}, mainCycle});
}

void Narrator::EndCommand(bool answerNow) {
    if (scopes_.empty())
        return;
    Flush();
    scopes_.pop_back();
    if (scopes_.empty()) {
        ApplySettings();
        const int selection = c_.mainBox.selection;
        if (announceSelection_ && selection >= 0 &&
            selection < static_cast<int>(c_.mainBox.entries.size()))
            NameEntry(selection);
        announceSelection_ = false;
    }
    if (answerNow) {
        c_.primary.StartNow();
        c_.secondary.StartNow();
    }
}

void Narrator::NameEntry(int i) {
    announcing_ = true;
    c_.announce(i);
    announcing_ = false;
}

void Narrator::LineShown(const std::string& line, bool said) {
    if (!said && !scopes_.empty())
        scopes_.back().shownOnly.push_back(line);
}

void Narrator::Flush() {
    if (scopes_.empty())
        return;
    std::vector<std::string> lines = std::move(scopes_.back().shownOnly);
    scopes_.back().shownOnly.clear();
    if (!c_.speech.readShownTexts)
        return;
    for (const std::string& line : lines) {
        if (TextsLeftToReader())
            c_.view.screenReaderSay(line);
        else if (Speaks())
            for (const std::string& sentence : Sentences(line))
                c_.primary.Add(Mark(SpeechItem(sentence), true));
    }
}

void Narrator::ListBuilt() {
    announceSelection_ = c_.speech.announceSelection && c_.mainBox.selection >= 0;
    if (Speaks())
        voice_.Prefetch(c_.mainBox.entries);
}

std::string Narrator::Said(const std::string& key, std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return key;
    if (TextsLeftToReader()) {
        if (!Playable(key))
            c_.view.screenReaderSay(std::string(text));
        return key;
    }
    return Speaks() ? Mark(WithSpeech(key, text), false) : key;
}

void Narrator::SayEntry(const std::string& key, const std::string& text) {
    std::string item = Speaks() ? WithSpeech(key, text) : key;
    c_.primary.Add(Mark(std::move(item), false));
}

std::string Narrator::Queued(const std::string& item, std::string_view says) {
    return Said(item, says);
}

void Narrator::BackgroundAdded(std::string_view name, std::string_view says) {
    says = trimmed(says);
    if (says.empty() || Playable(name))
        return;
    // No queue carries a background sound: its stand-in is an addition to the primary one.
    if (TextsLeftToReader())
        c_.view.screenReaderSay(std::string(says));
    else if (Speaks())
        c_.primary.Add(Mark(SpeechItem(says), true));
}

std::vector<std::string> Narrator::Sentences(std::string_view line) {
    std::vector<std::string> sentences;
    std::size_t start = 0;
    auto add = [&](std::size_t end) {
        std::string_view piece = trimmed(line.substr(start, end - start));
        if (!piece.empty())
            sentences.emplace_back(piece);
        start = end;
    };
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        if ((line[i] == '.' || line[i] == '!' || line[i] == '?') && line[i + 1] == ' ')
            add(i + 1);
    add(line.size());
    return sentences;
}

}  // namespace vek::player
