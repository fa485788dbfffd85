#include "player/shell/qt/display_style.h"

#include <algorithm>
#include <cmath>

namespace vek::player {
namespace {

struct Colours {
    const char* list;
    const char* listText;
    const char* selected;
    const char* selectedText;
    const char* memo;
    const char* memoText;
    const char* edit;
    const char* editText;
    const char* editBorder;  // none: no frame
    const char* dialog;
    const char* dialogText;
    QColor skyTop, skyBottom, title;
};

// Indexed by Contrast.
const Colours kColours[] = {
    {"black", "white", "white", "black", "black", "white", "grey", "white", nullptr, "black",
     "white", QColor(16, 24, 56), QColor(0, 0, 0), QColor(200, 170, 90)},
    {"black", "white", "yellow", "black", "black", "white", "black", "white", "white", "black",
     "white", QColor(0, 0, 0), QColor(0, 0, 0), QColor(255, 255, 255)},
    {"white", "black", "black", "white", "white", "black", "white", "black", "black", "white",
     "black", QColor(255, 255, 255), QColor(255, 255, 255), QColor(0, 0, 0)},
};

const Colours& coloursOf(Contrast contrast) {
    return kColours[static_cast<int>(contrast)];
}

}  // namespace

DisplayStyle::DisplayStyle(const DisplaySettings& settings)
    : percent_(
          std::clamp(settings.textScale, DisplaySettings::kMinScale, DisplaySettings::kMaxScale)),
      contrast_(settings.contrast) {}

int DisplayStyle::px(int length) const {
    return static_cast<int>(std::lround(length * percent_ / 100.0));
}

QFont DisplayStyle::scaled(QFont font) const {
    if (font.pixelSize() > 0)
        font.setPixelSize(px(font.pixelSize()));
    else
        font.setPointSizeF(font.pointSizeF() * percent_ / 100.0);
    return font;
}

QString DisplayStyle::listStyle() const {
    const Colours& c = coloursOf(contrast_);
    return QString(
               "QListWidget { background: %1; color: %2; } QListWidget::item { height: %3px; }"
               "QListWidget::item:selected { background: %4; color: %5; }")
        .arg(c.list, c.listText)
        .arg(px(22))
        .arg(c.selected, c.selectedText);
}

QString DisplayStyle::memoStyle() const {
    const Colours& c = coloursOf(contrast_);
    return QString("QPlainTextEdit { background: %1; color: %2; }").arg(c.memo, c.memoText);
}

QString DisplayStyle::editStyle() const {
    const Colours& c = coloursOf(contrast_);
    QString style = QString("QLineEdit { background: %1; color: %2;").arg(c.edit, c.editText);
    if (c.editBorder)
        style += QString(" border: %1px solid %2;").arg(std::max(1, px(2))).arg(c.editBorder);
    return style + " }";
}

QString DisplayStyle::optionsStyle() const {
    const Colours& c = coloursOf(contrast_);
    return QString(
               "#TOptionsForm, #TabSheet1, #TabSheet2, #TabSheet3, #TabSheet4 { "
               "background-color: %1; }"
               "QLabel { color: %2; font-weight: bold; background: transparent; }")
        .arg(c.dialog, c.dialogText);
}

QColor DisplayStyle::skyTop() const {
    return coloursOf(contrast_).skyTop;
}

QColor DisplayStyle::skyBottom() const {
    return coloursOf(contrast_).skyBottom;
}

QColor DisplayStyle::title() const {
    return coloursOf(contrast_).title;
}

int SteppedScale(int percent, int steps) {
    const int step = DisplaySettings::kScaleStep;
    // An odd value from the file moves to the next step in the direction asked.
    int next = steps > 0 ? (percent / step + 1) * step : ((percent + step - 1) / step - 1) * step;
    return std::clamp(next, DisplaySettings::kMinScale, DisplaySettings::kMaxScale);
}

}  // namespace vek::player
