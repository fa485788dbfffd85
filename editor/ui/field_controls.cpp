#include "editor/ui/field_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

#include "common/qt/cp1250_guard.h"
#include "common/qt/qt_text.h"
#include "editor/document/fields.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

constexpr const char* kFieldProperty = "field";

std::string labelOf(Field field) {
    return std::string(FieldDefOf(field).label) + ":";
}

// The window and item sound selectors show no sound as "(žádný)".
bool showsNoSound(Field field) {
    return field == Field::WindowSound || field == Field::ItemSound;
}

}  // namespace

FieldControls::FieldControls(EditorDocument& doc, MessageBoxes& boxes, KeyMap& keys)
    : doc_(doc), boxes_(boxes), keys_(keys) {}

QLabel* FieldControls::add(QPlainTextEdit* editor, Field field, const char* hint) {
    editor->setProperty(kFieldProperty, static_cast<int>(field));
    controls_.emplace_back(field, editor);
    guardCp1250(editor, boxes_);
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor,
                     [this, editor, field] { scriptEdited(editor, field); });
    // The word-deleting keys are swallowed. Undo is the document's (Alt+Backspace,
    // edit_history_ui.h), as Ctrl+Z opens the sound-action builder.
    keys_.bind(editor, Qt::Key_Backspace, Qt::ControlModifier, [] { return true; });
    keys_.bind(editor, Qt::Key_Delete, Qt::ControlModifier, [] { return true; });
    return labelled(editor, labelOf(field), hint);
}

QLabel* FieldControls::add(QLineEdit* edit, Field field, const char* hint) {
    edit->setProperty(kFieldProperty, static_cast<int>(field));
    controls_.emplace_back(field, edit);
    guardCp1250(edit, boxes_);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [this, field](const QString& text) { textEdited(text, field); });
    return labelled(edit, labelOf(field), hint);
}

QLabel* FieldControls::add(QComboBox* editableBox, Field field, const char* hint) {
    editableBox->setProperty(kFieldProperty, static_cast<int>(field));
    controls_.emplace_back(field, editableBox);
    guardCp1250(editableBox, boxes_);
    QObject::connect(editableBox, &QComboBox::currentTextChanged, editableBox,
                     [this, field](const QString& text) { textEdited(text, field); });
    return labelled(editableBox, labelOf(field), hint);
}

QCheckBox* FieldControls::addCheckBox(const char* name, Field field, const char* hint) {
    auto* box = new QCheckBox(u8(std::string(FieldDefOf(field).label).c_str()));
    box->setObjectName(name);
    box->setProperty(kFieldProperty, static_cast<int>(field));
    describe(box, box->text(), u8(hint));
    controls_.emplace_back(field, box);
    QObject::connect(box, &QCheckBox::toggled, box, [this, field](bool on) {
        if (!doc_.Updating())
            write(field, [&] { doc_.SetFieldFlag(field, on); });
    });
    return box;
}

void FieldControls::fill(Field field) {
    QWidget* control = controlOf(field);
    if (!control || writing_ == field)
        return;  // the control shows the change already; refilling would move its caret
    EditorDocument::UpdateGuard filling(doc_);
    if (auto* editor = qobject_cast<QPlainTextEdit*>(control)) {
        fillEditor(editor, doc_.FieldLines(field));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        setText(edit, doc_.FieldText(field));
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        std::string text = doc_.FieldText(field);
        if (text.empty() && showsNoSound(field))
            text = std::string(kNoSound);
        setSelectorText(box, text);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(doc_.FieldFlag(field));
    }
}

void FieldControls::fillOwner(FieldOwner owner) {
    for (const auto& [field, control] : controls_)
        if (OwnerOf(field) == owner)
            fill(field);
}

QWidget* FieldControls::controlOf(Field field) const {
    for (const auto& [shown, control] : controls_)
        if (shown == field)
            return control;
    return nullptr;
}

void FieldControls::scriptEdited(QPlainTextEdit* editor, Field field) {
    if (doc_.Updating())
        return;
    std::optional<std::string> text = toCp1250(editor->toPlainText());
    const TSpecStrings* current = doc_.FieldLines(field);
    if (!text || !current)
        return;
    // The editor breaks lines with LF; a last empty line is kept, as the author typed it.
    std::vector<std::string> lines;
    if (!text->empty()) {
        std::size_t start = 0;
        for (std::size_t end; (end = text->find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text->substr(start, end - start));
        lines.push_back(text->substr(start));
    }
    // The same lines again (a refused character taken back) change nothing.
    if (lines != current->items())
        write(field, [&] { doc_.SetFieldLines(field, std::move(lines)); });
}

void FieldControls::textEdited(const QString& value, Field field) {
    if (doc_.Updating())
        return;
    std::optional<std::string> text = toCp1250(value);
    if (text && doc_.FieldText(field) != *text)
        write(field, [&] { doc_.SetField(field, *text); });
}

void FieldControls::write(Field field, const std::function<void()>& change) {
    std::optional<Field> outer = std::exchange(writing_, field);
    change();
    writing_ = outer;
}

std::optional<Field> fieldOfControl(const QWidget* control) {
    QVariant field = control ? control->property(kFieldProperty) : QVariant();
    if (!field.isValid())
        return std::nullopt;
    return static_cast<Field>(field.toInt());
}

bool isScriptEditor(const QWidget* control) {
    return qobject_cast<const QPlainTextEdit*>(control) && fieldOfControl(control);
}

bool isCaseForm(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) && fieldOfControl(control);
}

}  // namespace vek::editor
