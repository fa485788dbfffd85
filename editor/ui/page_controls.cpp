#include "editor/ui/page_controls.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/qt/accessible.h"
#include "common/qt/qt_text.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

void describe(QWidget* control, const QString& name, const QString& hint) {
    QString accessible = name;
    if (accessible.endsWith(':'))
        accessible.chop(1);
    control->setAccessibleName(accessible);
    if (!hint.isEmpty()) {
        control->setToolTip(hint);
        control->setAccessibleDescription(hint);
    }
}

QLabel* labelled(QWidget* control, const char* text, const char* hint) {
    auto* label = new QLabel(u8(text));
    label->setBuddy(control);
    describe(control, u8(text), u8(hint));
    // A list names its entry under the cursor before the hint: after the hint is set.
    if (auto* list = qobject_cast<QAbstractItemView*>(control))
        describeCurrentEntry(list);
    return label;
}

QLabel* labelled(QWidget* control, const std::string& text, const char* hint) {
    return labelled(control, text.c_str(), hint);
}

QPushButton* pageButton(const char* name, const char* caption, const char* hint,
                        const char* accessibleName) {
    auto* button = new QPushButton(u8(caption));
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setToolTip(u8(hint));
    button->setAccessibleName(u8(accessibleName ? accessibleName : hint));
    button->setAccessibleDescription(u8(hint));
    return button;
}

QComboBox* selector(const char* name, bool editable) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    if (editable)
        box->setEditable(true);
    else
        makeChoiceSpoken(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    box->setMaxVisibleItems(20);
    if (editable)
        box->setCompleter(nullptr);  // a typed sound name is stored as typed, never completed
    return box;
}

QListWidget* entryList(const char* name, bool several) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setUniformItemSizes(true);
    return list;
}

QLineEdit* lineEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QPlainTextEdit* scriptEditor(const char* name) {
    auto* editor = new QPlainTextEdit;
    editor->setObjectName(name);
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setTabChangesFocus(true);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    return editor;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch)
        layout->addStretch(1);
    return layout;
}

namespace {

QStringList texts(const std::vector<std::string>& lines) {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        entries << fromCp1250(line);
    return entries;
}

}  // namespace

void fillEntries(QComboBox* box, const std::vector<std::string>& names,
                 std::vector<std::string>& shown) {
    if (names == shown && box->count() == static_cast<int>(names.size()))
        return;
    box->clear();
    box->addItems(texts(names));
    shown = names;
}

void fillEntries(QListWidget* list, const std::vector<std::string>& lines,
                 std::vector<std::string>& shown) {
    if (lines == shown && list->count() == static_cast<int>(lines.size()))
        return;
    list->clear();
    list->addItems(texts(lines));
    shown = lines;
}

void fillList(QListWidget* list, const TSpecStrings* lines) {
    list->clear();
    if (lines)
        list->addItems(texts(lines->items()));
}

void fillChoices(QComboBox* box, const std::vector<std::string>& choices) {
    QString text = box->currentText();
    box->clear();
    box->addItems(texts(choices));
    box->setCurrentIndex(box->findText(text, Qt::MatchFixedString));
    box->setEditText(text);
}

void placeCursor(QListWidget* list, int row) {
    row = std::min(row, list->count() - 1);
    if (row >= 0)
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::NoUpdate);
}

bool hasSelection(const QListWidget* list) {
    return !list->selectedItems().isEmpty();
}

std::vector<std::size_t> selectedRows(const QListWidget* list) {
    std::vector<std::size_t> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(static_cast<std::size_t>(i));
    return rows;
}

void fillEditor(QPlainTextEdit* editor, const TSpecStrings* lines) {
    QString text;
    if (lines) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (i)
                text += '\n';
            text += fromCp1250((*lines)[i]);
        }
    }
    if (editor->toPlainText() != text)
        editor->setPlainText(text);
}

void setText(QLineEdit* edit, const std::string& text) {
    QString value = fromCp1250(text);
    if (edit->text() != value)
        edit->setText(value);
}

void setSelectorText(QComboBox* box, const std::string& text) {
    QString value = fromCp1250(text);
    int index = box->findText(value, Qt::MatchFixedString);
    box->setCurrentIndex(index);
    if (box->isEditable() && box->currentText() != value)
        box->setEditText(value);
}

void enableAll(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

}  // namespace vek::editor
