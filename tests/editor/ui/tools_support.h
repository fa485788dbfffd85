// Shared by the tests of the editor's working windows: the application object, UTF-8 test
// texts, and what a screen reader would read of a control.
#pragma once

#include <string>
#include <string_view>

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "common/cp1250.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"

namespace vek::editor::test {

inline QApplication& app() {
    return testApplication();
}

// The texts of the boxes shown so far.
inline QStringList texts(const RecordingBoxes& boxes) {
    QStringList out;
    for (const auto& r : boxes.shown)
        out << r.text;
    return out;
}

inline std::string C(std::string_view utf8) {
    return utf8ToCp1250(utf8).value();
}

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The name a screen reader announces: the label that labels the control (combo boxes on Linux
// read their label only this way), else the control's own name.
inline QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    for (const auto& [label, relation] : a->relations(QAccessible::Label))
        if (!label->text(QAccessible::Name).trimmed().isEmpty())
            return label->text(QAccessible::Name);
    return a->text(QAccessible::Name);
}

// Every control that takes the focus reads with a name.
inline QStringList unnamedControls(QWidget* root) {
    QStringList out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        bool inner = w->parentWidget() && w->parentWidget()->inherits("QComboBox");
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(root) || inner ||
            w->inherits("QTabBar"))
            continue;
        if (accessibleName(w).trimmed().isEmpty())
            out << (w->objectName().isEmpty() ? QString(w->metaObject()->className())
                                              : w->objectName());
    }
    return out;
}

}  // namespace vek::editor::test
