#include "player/web/web_view.h"

#include "common/cp1250.h"
#include "player/web/page_bridge.h"

namespace vek::web {

void WebView::mainBoxChanged() {
    const player::MainBoxModel& box = shell_->mainBox();
    std::string entries;
    for (std::size_t i = 0; i < box.entries.size(); ++i)
        entries += (i ? "\n" : "") + cp1250ToUtf8(box.entries[i]);
    vek_page_show_list(entries.c_str(), box.selection, box.visible, box.focused,
                       cp1250ToUtf8(box.heading).c_str());
}

void WebView::dotazEditChanged() {
    const player::DotazEditModel& edit = shell_->dotazEdit();
    vek_page_show_entry(cp1250ToUtf8(edit.text).c_str(), edit.visible, edit.focused);
}

void WebView::memoCleared() {
    if (transcript_)
        transcript_->memoCleared();
    vek_page_memo_clear();
}

void WebView::memoLineAdded(const std::string& line) {
    if (transcript_)
        transcript_->memoLineAdded(line);
    vek_page_memo_line(cp1250ToUtf8(line).c_str());
}

void WebView::memoLayoutChanged() {}

void WebView::screenReaderSay(const std::string& text) {
    vek_page_say(cp1250ToUtf8(text).c_str());
}

void WebView::menuBuilt() {
    if (transcript_)
        transcript_->menuBuilt(*shell_);
}

void WebView::waitStarted(WaitKind kind) {
    if (transcript_)
        transcript_->waitStarted(kind);
}

void WebView::splash(const std::string& text, bool visible) {
    vek_page_splash(cp1250ToUtf8(text).c_str(), visible);
}

BoxAnswer WebView::messageBox(const player::MessageBoxRequest& request) {
    if (transcript_) {
        transcript_->messageBox(request);
        return request.defaultAnswer;
    }
    vek_page_message(cp1250ToUtf8(request.caption).c_str(), cp1250ToUtf8(request.text).c_str(),
                     static_cast<int>(request.icon), static_cast<int>(request.buttons),
                     static_cast<int>(request.defaultAnswer));
    std::optional<BoxAnswer> answer;
    loop_.runUntil([&] { return (answer = loop_.takeAnswer()).has_value(); });
    mainBoxChanged();  // the focus goes back to the list
    return answer.value_or(request.defaultAnswer);
}

void WebView::showOptions(player::TOptionsForm& form) {
    if (transcript_) {
        transcript_->optionsShown();
        return;
    }
    using Slider = player::TOptionsForm::Slider;
    loop_.editOptions(&form);
    vek_page_options(form.Position(Slider::Rec), form.Position(Slider::Zvuk),
                     form.Position(Slider::Hudba), form.Speech.entriesToReader,
                     form.Speech.textsToReader);
    loop_.runUntil([&] { return !loop_.optionsOpen(); });
    loop_.editOptions(nullptr);
    mainBoxChanged();
}

void WebView::waitWhile(const std::function<bool()>& waiting) {
    loop_.runUntil([&] { return !waiting(); });
}

}  // namespace vek::web
