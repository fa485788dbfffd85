// The controls of a page's document fields, built, filled and written back by the field table:
// each control carries its field, takes its label from the table, writes every change into the
// document at once and is refilled when its field changes, but never from the change it wrote
// itself (refilling would move its caret while the author types).
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "editor/document/document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class KeyMap;

class FieldControls {
  public:
    // Script editors' keys go into `keys`.
    FieldControls(EditorDocument& doc, MessageBoxes& boxes, KeyMap& keys);

    // Binds a control to its field and returns its label, named after the field.
    QLabel* add(QPlainTextEdit* editor, Field field, const char* hint);
    QLabel* add(QLineEdit* edit, Field field, const char* hint);
    QLabel* add(QComboBox* editableBox, Field field, const char* hint);
    // A check box is captioned with the field's label.
    QCheckBox* addCheckBox(const char* name, Field field, const char* hint);

    // Refills the field's control, if it is one of these, from the document.
    void fill(Field field);
    // Refills every control of the owner's fields.
    void fillOwner(FieldOwner owner);
    QWidget* controlOf(Field field) const;

  private:
    void textEdited(const QString& value, Field field);
    void scriptEdited(QPlainTextEdit* editor, Field field);
    void write(Field field, const std::function<void()>& change);

    EditorDocument& doc_;
    MessageBoxes& boxes_;
    KeyMap& keys_;
    std::vector<std::pair<Field, QWidget*>> controls_;
    std::optional<Field> writing_;  // the field a control is writing now
};

// The field a control of a page edits, if any.
std::optional<Field> fieldOfControl(const QWidget* control);
// A page's script editor, or a one-line field ("kam:", "co:") the sound-action builder fills.
bool isScriptEditor(const QWidget* control);
bool isCaseForm(const QWidget* control);

}  // namespace vek::editor
