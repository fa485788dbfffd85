// The events the page hands the player, as vek_page_poll_event delivers them.
#pragma once

namespace vek::web {

enum class PageEventKind {
    None = 0,
    Key = 1,     // a: virtual key code, b: ShiftState flags, c: Unicode character or 0
    Answer = 2,  // a: the BoxAnswer of the message box
    Slider = 3,  // a: the slider (TOptionsForm::Slider), b: its position
    OptionsClosed = 4,
    Ticks = 5,   // test mode: a: timer ticks to run, 0: until the sound is quiet
    Close = 6,   // the page is being left, or a test ends the walkthrough
    Reader = 7,  // options: a: the screen reader reads list entries, b: texts of the text pane
};

struct PageEvent {
    PageEventKind kind = PageEventKind::None;
    int a = 0;
    int b = 0;
    int c = 0;
};

}  // namespace vek::web
