#include "player/shell/walk_transcript.h"

#include "player/shell/shell.h"

namespace vek::player {

namespace {

// A message box's text on one line: each run of line breaks becomes one space.
std::string oneLine(const std::string& text) {
    std::string out;
    bool inBreak = false;
    for (char c : text) {
        bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak && !inBreak)
            out += ' ';
        else if (!lineBreak)
            out += c;
        inBreak = lineBreak;
    }
    return out;
}

}  // namespace

void WalkTranscript::menuBuilt(const PlayerShell& shell) {
    ++builds_;
    const MainBoxModel& box = shell.mainBox();
    std::string line = "list ";
    line += menuStateName(shell.menuState());
    line += box.selection < 0 ? std::string(" -") : " " + std::to_string(box.selection);
    line += ':';
    for (std::size_t i = 0; i < box.entries.size(); ++i)
        line += (i == 0 ? " " : " | ") + box.entries[i];
    emit(line);
}

void WalkTranscript::waitStarted(ShellView::WaitKind kind) {
    static constexpr const char* kNames[] = {"wait-key", "read-line", "read-key"};
    emit(kNames[static_cast<int>(kind)]);
}

void WalkTranscript::messageBox(const MessageBoxRequest& request) {
    emit("message " + request.caption + ": " + oneLine(request.text));
}

void WalkTranscript::beforeKey(const PlayerShell& shell) {
    selectionBeforeKey_ = shell.mainBox().selection;
    buildsBeforeKey_ = builds_;
}

void WalkTranscript::afterKey(const PlayerShell& shell) {
    const MainBoxModel& box = shell.mainBox();
    if (builds_ == buildsBeforeKey_ && box.selection != selectionBeforeKey_ && box.selection >= 0 &&
        box.selection < static_cast<int>(box.entries.size()))
        emit("at " + std::to_string(box.selection) + ": " + box.entries[box.selection]);
}

void WalkTranscript::queueStarted(std::string_view queueName, std::string_view item) {
    emit((queueName == "secondary" ? "say2: " : "say: ") + std::string(item));
}

void WalkTranscript::speechStarted(std::string_view queueName, std::string_view text) {
    emit((queueName == "secondary" ? "tts2: " : "tts: ") + std::string(text));
}

void WalkTranscript::fileStarted(std::string_view path) {
    emit("play-file: " + std::string(path));
}

void WalkTranscript::backgroundStarted(std::string_view key) {
    emit("bg: " + std::string(key));
}

void WalkTranscript::backgroundEnded(std::string_view key) {
    emit("bg-end: " + std::string(key));
}

}  // namespace vek::player
