#include "common/qt/line_edit_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace vek {

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        QString str;
        if (t == QAccessible::Value)
            str = shown();
        if (str.isEmpty())
            str = QAccessibleWidget::text(t);
        if (str.isEmpty() && t == QAccessible::Description)
            str = edit()->placeholderText();
        return str;
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!edit()->isReadOnly())
            edit()->setText(text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // Editable even when read-only, as Qt has it: a screen reader reads the value of a
        // combo box, and says its changes, only through an editable field inside it.
        state.editable = true;
        state.readOnly = edit()->isReadOnly();
        state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    // ---- reading ----

    // The whole field is one run without attributes of its own.
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        int count = characterCount();
        bool inside = offset >= 0 && offset <= count;
        *startOffset = inside ? 0 : offset;
        *endOffset = inside ? count : offset;
        return {};
    }

    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset || !readable())
            return {};
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return edit()->text().size(); }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        if (!readable())
            return hidden(startOffset, endOffset);
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        if (!readable())
            return hidden(startOffset, endOffset);
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        if (!readable())
            return hidden(startOffset, endOffset);
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    }

    // ---- caret and selection ----

    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + edit()->selectionLength();
    }

    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }

    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            edit()->deselect();
    }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0)
            edit()->setSelection(startOffset, endOffset - startOffset);
    }

    void scrollToSubstring(int startIndex, int endIndex) override {
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // ---- geometry ----

    // The caret's rectangle says where the text stands as scrolled; a character lies the width
    // of the text between them away from it.
    QRect characterRect(int offset) const override {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty())
            return {};
        QFontMetrics metrics(edit()->font());
        const QString all = edit()->text();
        QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        int x = caret.x() + metrics.horizontalAdvance(all.left(offset)) -
                metrics.horizontalAdvance(all.left(edit()->cursorPosition()));
        QRect rect(x, caret.y(), metrics.horizontalAdvance(ch), metrics.height());
        rect.moveTo(edit()->mapToGlobal(rect.topLeft()));
        return rect;
    }

    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }

    // ---- editing: a read-only field is not changed from outside either ----

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, QString());
    }

    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }

    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (edit()->isReadOnly() || startOffset > endOffset)
            return;
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    // A password's characters are never read out.
    bool readable() const { return edit()->echoMode() == QLineEdit::Normal; }

    QString shown() const {
        switch (edit()->echoMode()) {
            case QLineEdit::Normal:
                return edit()->text();
            case QLineEdit::NoEcho:
                return {};
            default:
                return QString(edit()->text().size(), QLatin1Char('*'));
        }
    }

    static QString hidden(int* startOffset, int* endOffset) {
        *startOffset = *endOffset = -1;
        return {};
    }
};

QAccessibleInterface* lineEditInterface(const QString& className, QObject* object) {
    // A spin box reads its own field.
    if (className != QLatin1String("QLineEdit") ||
        object->objectName() == QLatin1String("qt_spinbox_lineedit"))
        return nullptr;
    auto* edit = qobject_cast<QLineEdit*>(object);
    return edit ? new LineEditAccessible(edit) : nullptr;
}

}  // namespace

void installLineEditReading() {
    QAccessible::installFactory(lineEditInterface);
}

}  // namespace vek
