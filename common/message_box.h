// What a modal message box shows and answers, in words both programs share: the player's shell
// asks through its view, the windows through MessageBoxes (common/qt/message_boxes.h), and
// only the window code turns these into its toolkit's box.
#pragma once

namespace vek {

enum class BoxIcon { None, Information, Warning, Question, Stop };
enum class BoxButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

// The fixed captions: "Stop", "Otázka", "Chyba", "Upozornění", "Varování", "Error".
enum class BoxCaption { Stop, Question, Error, Notice, Warning, Fatal };

// The icon each caption comes with.
constexpr BoxIcon captionIcon(BoxCaption caption) {
    switch (caption) {
        case BoxCaption::Question:
            return BoxIcon::Question;
        case BoxCaption::Notice:
            return BoxIcon::Information;
        case BoxCaption::Warning:
            return BoxIcon::Warning;
        case BoxCaption::Stop:
        case BoxCaption::Error:
        case BoxCaption::Fatal:
            break;
    }
    return BoxIcon::Stop;
}

// The answer a box gives by default: its first button.
constexpr BoxAnswer firstAnswer(BoxButtons buttons) {
    return buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel ? BoxAnswer::Yes
                                                                              : BoxAnswer::Ok;
}

}  // namespace vek
