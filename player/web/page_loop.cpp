#include "player/web/page_loop.h"

#include <emscripten.h>

#include <string>

#include "common/cp1250.h"
#include "player/web/page_bridge.h"

namespace vek::web {

namespace {

// As long as VEK2 --walk waits for the sound to end before giving up.
constexpr long kMaxQuietTicks = 6000;

// A character the page reported, in code page 1250; nullopt for one it cannot hold.
std::optional<char> cp1250Character(int codePoint) {
    if (codePoint > 0 && codePoint < 0x80)
        return static_cast<char>(codePoint);
    std::string utf8;
    if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
    } else if (codePoint < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    } else {
        return std::nullopt;
    }
    utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    auto cp = utf8ToCp1250(utf8);
    if (!cp || cp->size() != 1)
        return std::nullopt;
    return (*cp)[0];
}

}  // namespace

int PageLoop::msToNextTick() const {
    if (stepped_ || !timerEnabled_)
        return -1;  // wait for the next event, however long
    return std::max(0, static_cast<int>(nextTick_ - emscripten_get_now()));
}

void PageLoop::runUntil(const std::function<bool()>& done) {
    int raw[4];
    while (!closing_ && !done()) {
        bool got = vek_page_poll_event(raw) || vek_page_wait_event(msToNextTick(), raw);
        if (got)
            handle(PageEvent{static_cast<PageEventKind>(raw[0]), raw[1], raw[2], raw[3]});
        if (!stepped_ && timerEnabled_ && !closing_ && emscripten_get_now() >= nextTick_)
            tick();
        vek_page_persist();
    }
}

void PageLoop::setTimerEnabled(bool enabled) {
    if (enabled && !timerEnabled_)
        nextTick_ = emscripten_get_now() + kTickMs;
    timerEnabled_ = enabled;
}

void PageLoop::tick() {
    if (stepped_) {
        stepped_->clock.advanceTicks(1);
        stepped_->device.advance(kTickMs);
    } else {
        // A late tick is not made up for: the timer of a busy window fires once, too.
        double now = emscripten_get_now();
        double next = nextTick_ + kTickMs;
        nextTick_ = next <= now ? now + kTickMs : next;
    }
    if (timerEnabled_ && shell_)
        shell_->Timer1Timer();
}

void PageLoop::ticksUntilQuiet() {
    for (long i = 0; i < kMaxQuietTicks && !closing_ && !shell_->soundIdle(); ++i)
        tick();
}

void PageLoop::key(int virtualKey, unsigned shift, int character) {
    if (transcript_)
        transcript_->beforeKey(*shell_);
    shell_->FormKeyDown(virtualKey, shift);
    if (transcript_)
        transcript_->afterKey(*shell_);
    if (character == 0 || closing_)
        return;
    if (auto ch = character < 32 ? std::optional<char>(static_cast<char>(character))
                                 : cp1250Character(character))
        shell_->FormKeyPress(*ch);
}

void PageLoop::handle(const PageEvent& event) {
    switch (event.kind) {
        case PageEventKind::Key:
            key(event.a, static_cast<unsigned>(event.b), event.c);
            break;
        case PageEventKind::Answer:
            answer_ = static_cast<BoxAnswer>(event.a);
            break;
        case PageEventKind::Slider:
            if (options_)
                options_->SetPosition(static_cast<player::TOptionsForm::Slider>(event.a), event.b);
            break;
        case PageEventKind::Reader:
            if (options_) {
                options_->Speech.entriesToReader = event.a != 0;
                options_->Speech.textsToReader = event.b != 0;
            }
            break;
        case PageEventKind::OptionsClosed:
            options_ = nullptr;
            break;
        case PageEventKind::Ticks:
            if (!stepped_)
                break;
            if (event.a == 0)
                ticksUntilQuiet();
            for (int i = 0; i < event.a && !closing_; ++i)
                tick();
            break;
        case PageEventKind::Close:
            closing_ = true;
            break;
        case PageEventKind::None:
            break;
    }
}

}  // namespace vek::web
