// How the player's windows look at a text scale and a contrast choice: every size of the normal
// layout scaled, and the colours of each control. The normal choice at 100 % is the window as it
// always was.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "player/shell/config.h"

namespace vek::player {

class DisplayStyle {
  public:
    explicit DisplayStyle(const DisplaySettings& settings);

    // A length of the normal layout at this scale.
    int px(int length) const;
    // `font` with its size scaled (points or pixels, whichever it holds).
    QFont scaled(QFont font) const;
    int percent() const { return percent_; }

    QString listStyle() const;  // the command list, its rows as high as the scaled text
    QString memoStyle() const;
    QString editStyle() const;
    QString optionsStyle() const;  // the options dialog: its pages and labels
    QColor skyTop() const;         // the window's background, top to bottom
    QColor skyBottom() const;
    QColor title() const;

  private:
    int percent_;
    Contrast contrast_;
};

// The next text scale up (`steps` 1) or down (-1), kept within 100 … 300 %.
int SteppedScale(int percent, int steps);

}  // namespace vek::player
