// The transcript of a walkthrough: one line for each thing the player shows, says or plays, in
// code page 1250. VEK2 --walk prints it; the browser page writes the same lines in its test
// mode, so both can be compared line for line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "player/shell/view.h"
#include "player/sound/sound_env.h"

namespace vek::player {

class PlayerShell;

class WalkTranscript : public SoundObserver {
  public:
    using Sink = std::function<void(const std::string& cp1250Line)>;
    explicit WalkTranscript(Sink sink) : sink_(std::move(sink)) {}

    // What the view is told.
    void memoCleared() { emit("clear"); }
    void memoLineAdded(const std::string& line) { emit("text: " + line); }
    void menuBuilt(const PlayerShell& shell);
    void waitStarted(ShellView::WaitKind kind);
    void messageBox(const MessageBoxRequest& request);
    void optionsShown() { emit("dialog: Nastavení"_cp); }

    // A key file's line (code page 1250), before what it does.
    void token(const std::string& written) { emit("> " + written); }
    // Around one key handed to the shell: a selection moved without a new list is named.
    void beforeKey(const PlayerShell& shell);
    void afterKey(const PlayerShell& shell);
    void quit() { emit("quit"); }

    // SoundObserver
    void queueStarted(std::string_view queueName, std::string_view item) override;
    void speechStarted(std::string_view queueName, std::string_view text) override;
    void fileStarted(std::string_view path) override;
    void backgroundStarted(std::string_view key) override;
    void backgroundEnded(std::string_view key) override;

  private:
    void emit(const std::string& line) { sink_(line); }

    Sink sink_;
    long builds_ = 0;
    long buildsBeforeKey_ = 0;
    int selectionBeforeKey_ = -1;
};

}  // namespace vek::player
