// The page as a ShellView: the command list, the text pane and the entry field mirrored into the
// page's accessible elements, the message boxes and the options form as the page's dialogs, and
// the nested waits run on the page's event loop. In the test mode it also writes the walkthrough
// transcript and answers dialogs as VEK2 --walk does, with their default.
#pragma once

#include "player/shell/shell.h"
#include "player/shell/view.h"
#include "player/shell/walk_transcript.h"
#include "player/web/page_loop.h"

namespace vek::web {

class WebView : public player::ShellView {
  public:
    WebView(PageLoop& loop, player::WalkTranscript* transcript)
        : loop_(loop), transcript_(transcript) {}
    void attach(const player::PlayerShell* shell) { shell_ = shell; }

    void mainBoxChanged() override;
    void dotazEditChanged() override;
    void memoCleared() override;
    void memoLineAdded(const std::string& line) override;
    void memoLayoutChanged() override;
    void menuBuilt() override;
    void waitStarted(WaitKind kind) override;
    void splash(const std::string& text, bool visible) override;
    BoxAnswer messageBox(const player::MessageBoxRequest& request) override;
    void showOptions(player::TOptionsForm& form) override;
    void waitWhile(const std::function<bool()>& waiting) override;
    void closeWindow() override { loop_.requestClose(); }
    void setTimerEnabled(bool enabled) override { loop_.setTimerEnabled(enabled); }
    // A page cannot tell whether a screen reader follows it; it is written for one. Under test
    // it plays as `VEK2 --walk` does, so that the two transcripts can be compared.
    bool screenReaderActive() const override { return transcript_ == nullptr; }
    void screenReaderSay(const std::string& text) override;

  private:
    PageLoop& loop_;
    player::WalkTranscript* transcript_;
    const player::PlayerShell* shell_ = nullptr;
};

}  // namespace vek::web
