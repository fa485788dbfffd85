// What a screen reader reads for a control: its label (the label being its buddy, so the
// label's "&" letter reaches it) or its caption as the accessible name, its hint as the
// accessible description.
#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace vek {

// A label or caption as spoken: without the "&" of its access key and without a closing ":".
QString spokenText(const QString& caption);

// A label for `control`, its buddy; the control reads with the label's text.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);

// A button reads with its caption.
void nameByCaption(QAbstractButton* button);

// The hint: tooltip and accessible description.
void setHint(QWidget* control, const QString& hint);

}  // namespace vek
