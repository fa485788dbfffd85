// What a screen reader reads for a control: its label (the label being its buddy, so the
// label's "&" letter reaches it) or its caption as the accessible name, its hint as the
// accessible description.
#pragma once

#include <QString>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QLabel;
class QWidget;

namespace vek {

// A label or caption as spoken: without the "&" of its access key and without a closing ":".
QString spokenText(const QString& caption);

// A label for `control`, its buddy; the control reads with the label's text.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);

// A button reads with its caption.
void nameByCaption(QAbstractButton* button);

// A choice-only combo box whose choice a screen reader reads. Orca reads the value of an
// editable combo box (its line edit, also as the arrows change it) but not that of a Qt 6
// choice-only one, so the box becomes editable with a read-only line edit that only shows the
// choice; typing the start of an entry still moves to it.
void makeChoiceSpoken(QComboBox* box);

// A list that tells a screen reader the entry under its cursor on arrival. Orca says a Qt list's
// name and size when the focus comes to it but not its current entry, and a list of one entry
// never moves to say it; the entry (or the first, where the cursor will land) goes before the
// list's hint in its description, which is said on arrival. Call after setting the hint.
void describeCurrentEntry(QAbstractItemView* list);

// The hint: tooltip and accessible description.
void setHint(QWidget* control, const QString& hint);

}  // namespace vek
