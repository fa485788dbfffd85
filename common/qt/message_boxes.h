// Modal message boxes with the programs' fixed captions. Windows ask through the MessageBoxes
// interface, so tests answer them without a modal loop.
#pragma once

#include <QString>

#include "common/message_box.h"

class QWidget;

namespace vek {

QString captionText(BoxCaption caption);  // "Stop", "Otázka", "Chyba", "Upozornění", ...

struct MessageRequest {
    QString caption;
    QString text;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;

    static MessageRequest of(BoxCaption caption, const QString& text,
                             BoxButtons buttons = BoxButtons::Ok);
    static MessageRequest of(BoxCaption caption, const QString& text, BoxButtons buttons,
                             BoxAnswer defaultAnswer);
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box over `parent` and answers what was pressed; a box closed by the window
    // manager answers the default.
    virtual BoxAnswer show(QWidget* parent, const MessageRequest& request) = 0;

    // The usual boxes: a "Stop" refusal, an "Otázka" question, a "Chyba" error.
    void stop(QWidget* parent, const QString& text);
    BoxAnswer ask(QWidget* parent, const QString& text, BoxButtons buttons);
    void error(QWidget* parent, const QString& text);
};

// The real boxes: a QMessageBox whose accessible name is its caption.
class QtMessageBoxes : public MessageBoxes {
  public:
    BoxAnswer show(QWidget* parent, const MessageRequest& request) override;
};

// The boxes of the running program, for code that has no window to ask.
MessageBoxes& defaultMessageBoxes();

}  // namespace vek
