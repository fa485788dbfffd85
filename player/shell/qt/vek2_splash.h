// The small start-up and progress notice: one line on a navy field, centred on the screen.
#pragma once

#include <QWidget>

class QLabel;

namespace vek::player {

class DisplayStyle;

class VEK2_splash : public QWidget {
  public:
    VEK2_splash();
    // Shows `text` (UTF-8) and paints at once: the caller is busy and runs no event loop.
    void showText(const QString& text);
    // Sized for the window's text scale, centred again.
    void applyDisplay(const DisplayStyle& style);

    QLabel* Label1;
};

}  // namespace vek::player
