#include "player/shell/narrator.h"

#include "player/shell/shell.h"

namespace vek::player {

Narrator::Narrator(PlayerShell& shell, SpeechSynthesizer* synthesizer)
    : shell_(shell),
      own_(synthesizer ? nullptr : makeSystemSynthesizer()),
      synthesizer_(synthesizer ? *synthesizer : *own_),
      voice_(synthesizer_) {}

void Narrator::ApplySettings() {
    const SpeechSettings& speech = shell_.options_.Speech;
    voice_.SetRate(speech.rate);
    if (shell_.mainMemo_.toScreenReader != speech.textsToReader) {
        shell_.mainMemo_.toScreenReader = speech.textsToReader;
        shell_.view_.memoLayoutChanged();
    }
    if (!problemReported_ && speech.speakTexts && !voice_.Ready()) {
        problemReported_ = true;
        shell_.Report("no synthetic voice: " + voice_.Problem());
    }
}

bool Narrator::Speaks() const {
    return shell_.options_.Speech.speakTexts && voice_.Ready();
}

bool Narrator::EntriesLeftToReader() const {
    return shell_.options_.Speech.entriesToReader && shell_.view_.screenReaderActive();
}

bool Narrator::TextsLeftToReader() const {
    return shell_.options_.Speech.textsToReader && shell_.view_.screenReaderActive();
}

void Narrator::BeginCommand() {
    if (depth_++ > 0)
        return;
    lines_.clear();
    queuedAtStart_ = shell_.primary_.Queued();
    announceSelection_ = false;
}

void Narrator::EndCommand(bool answerNow) {
    if (--depth_ > 0)
        return;
    Flush();
    ApplySettings();
    const MainBoxModel& box = shell_.mainBox_;
    if (announceSelection_ && box.selection >= 0 &&
        box.selection < static_cast<int>(box.entries.size()))
        shell_.keys_.Announce(box.selection);
    announceSelection_ = false;
    if (answerNow)
        shell_.primary_.StartNow();
}

void Narrator::LineShown(const std::string& line) {
    if (depth_ > 0)
        lines_.push_back(line);
}

void Narrator::Flush() {
    // A command that queued any recording has said what it meant to; the voice never doubles it.
    if (Speaks() && !TextsLeftToReader() && shell_.primary_.Queued() == queuedAtStart_)
        for (const std::string& line : lines_)
            for (const std::string& sentence : Sentences(line))
                shell_.primary_.Add(SpeechItem(sentence));
    lines_.clear();
    queuedAtStart_ = shell_.primary_.Queued();
}

void Narrator::ListBuilt() {
    announceSelection_ = shell_.mainBox_.selection >= 0;
    if (Speaks())
        voice_.Prefetch(shell_.mainBox_.entries);
}

void Narrator::SayEntry(const std::string& key, const std::string& text) {
    shell_.primary_.Add(Speaks() ? WithSpeech(key, text) : key);
}

std::vector<std::string> Narrator::Sentences(std::string_view line) {
    std::vector<std::string> sentences;
    std::size_t start = 0;
    auto add = [&](std::size_t end) {
        std::string_view piece = line.substr(start, end - start);
        const auto first = piece.find_first_not_of(' ');
        if (first != std::string_view::npos)
            sentences.emplace_back(piece.substr(first, piece.find_last_not_of(' ') - first + 1));
        start = end;
    };
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        if ((line[i] == '.' || line[i] == '!' || line[i] == '?') && line[i + 1] == ' ')
            add(i + 1);
    add(line.size());
    return sentences;
}

}  // namespace vek::player
