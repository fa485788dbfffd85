// Where a modal dialog belongs and where the keyboard focus goes after it. A program with
// several windows side by side opens its dialogs from code that does not know which window the
// person works in; the dialog belongs to the window that is active when it opens, and closing
// it gives that window back its activation and its focused control.
#pragma once

#include <QPointer>
#include <QWidget>

#include "common/qt/message_boxes.h"

namespace vek {

class DialogOwner {
  public:
    // `fallback` stands in when none of the program's windows is active.
    explicit DialogOwner(QWidget* fallback);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    // The window to parent the dialog to.
    QWidget* window() const { return window_; }

  private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

// Message boxes over the window the person works in, whatever window asks.
class OwnedMessageBoxes : public MessageBoxes {
  public:
    explicit OwnedMessageBoxes(MessageBoxes& boxes) : boxes_(boxes) {}
    BoxAnswer show(QWidget* parent, const MessageRequest& request) override;

  private:
    MessageBoxes& boxes_;
};

}  // namespace vek
