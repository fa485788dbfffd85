// What a screen reader reads of a control, for the window tests.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>

namespace vek::testing {

// A combo box's value as read: the text of its editable text child (empty without one).
inline QString spokenValue(QComboBox* box) {
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(box);
    for (int i = 0; i < combo->childCount(); ++i) {
        QAccessibleInterface* child = combo->child(i);
        if (child && child->role() == QAccessible::EditableText && child->textInterface())
            return child->textInterface()->text(0, child->textInterface()->characterCount());
    }
    return {};
}

}  // namespace vek::testing
