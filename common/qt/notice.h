// A short message in a window's status bar that a screen reader speaks the moment it appears,
// such as a finished save. A status bar's text is otherwise never spoken; a control whose
// accessible role is a notification is, each time it is shown.
#pragma once

#include <QLabel>

namespace vek {

class Notice : public QLabel {
  public:
    explicit Notice(QWidget* parent = nullptr);

    // Shows `text` and has it spoken.
    void announce(const QString& text);
};

}  // namespace vek
