// The controls every page of the main window is made of, and how they show the document's text:
// named for a screen reader, reached by the keys the pages share, and refilled only when what
// they show changed.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "editor/document/entities.h"

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QString;
class QWidget;

namespace vek::editor {

// Names a control for a screen reader: the label's text (without its colon) and the hint.
void describe(QWidget* control, const QString& name, const QString& hint);
// A label for the control, which also names and describes it (UTF-8 texts).
QLabel* labelled(QWidget* control, const char* text, const char* hint = "");
QLabel* labelled(QWidget* control, const std::string& text, const char* hint);

// Page buttons are reached by their keys and menus, not by Tab. The accessible name says what
// the button acts on, as several buttons share a caption.
QPushButton* pageButton(const char* name, const char* caption, const char* hint,
                        const char* accessibleName = nullptr);
// A name selector (not editable) or a sound or menu selector (editable, never completed).
QComboBox* selector(const char* name, bool editable);
QListWidget* entryList(const char* name, bool several = false);
QLineEdit* lineEdit(const char* name);
QPlainTextEdit* scriptEditor(const char* name);
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true);

// Refills a selector's or list's entries only when they changed: stepping through thousands of
// windows must not rebuild a list of thousands each time. `shown` remembers the last entries.
void fillEntries(QComboBox* box, const std::vector<std::string>& names,
                 std::vector<std::string>& shown);
void fillEntries(QListWidget* list, const std::vector<std::string>& lines,
                 std::vector<std::string>& shown);
void fillList(QListWidget* list, const TSpecStrings* lines);
// Fills a sound selector's choices, keeping the text it shows.
void fillChoices(QComboBox* box, const std::vector<std::string>& choices);

// Leaves the list's keyboard cursor at `row` (or the last entry) without selecting it.
void placeCursor(QListWidget* list, int row);
bool hasSelection(const QListWidget* list);
// The rows of the selected entries, in order.
std::vector<std::size_t> selectedRows(const QListWidget* list);

void fillEditor(QPlainTextEdit* editor, const TSpecStrings* lines);
void setText(QLineEdit* edit, const std::string& text);
// Picks the entry with the text; an editable selector shows the text even without one.
void setSelectorText(QComboBox* box, const std::string& text);

void enableAll(std::initializer_list<QWidget*> controls, bool enabled);

}  // namespace vek::editor
