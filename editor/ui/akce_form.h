// The condition and action builder: the author picks a sentence in plain Czech, fills its
// parameters and gets the script text, which goes into the script editor at the caret.
#pragma once

#include <array>
#include <functional>
#include <string>

#include <QDialog>

#include "editor/document/builder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class EditorDocument;

class Akce_form : public QDialog {
  public:
    Akce_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Sets the dialog up for `purpose` as every opening does: caption, sentences, the first one
    // laid out, the placeholder result.
    void Prepare(BuilderPurpose purpose);
    // Prepare and show modally; the result text (code page 1250), empty after Cancel.
    std::string Run(BuilderPurpose purpose);

    // The text OK would produce now; shown in `VysledekEdit`.
    std::string Preview() const;
    const std::string& Result() const { return result_; }
    BuilderPurpose Purpose() const { return purpose_; }
    EditorDocument& document() { return doc_; }

    void accept() override;  // OK
    void reject() override;  // Cancel, Escape and the window frame

    QComboBox* ComboBox1;
    QLabel* STVeta;                // hidden: names ComboBox1 for screen readers
    std::array<QLabel*, 4> STPar;  // STPar1 to STPar4
    std::array<QComboBox*, 3> ParBox;
    QCheckBox* NegaceBox;
    QRadioButton* KonjRadio;
    QRadioButton* DisjRadio;
    QLineEdit* VysledekEdit;  // "Výsledek:", read-only
    QPushButton* AkceOkButton;
    QPushButton* AkceCancelButton;

  private:
    void layOut(int sentence);
    void updatePreview();
    std::optional<BuilderParams> params() const;

    EditorDocument& doc_;
    BuilderPurpose purpose_ = BuilderPurpose::Conditions;
    std::string result_;
};

// The control a builder result goes into, as the opener found it focused.
enum class BuilderTarget {
    None,
    ScriptEditor,  // a script memo: every builder
    CaseField,     // "2. pád názvu okna" or "4. pád názvu předmětu": the single sound action
};

// Which entries of "Nástroje" a focused control allows.
struct BuilderEnabling {
    bool condition = false;
    bool action = false;
    bool soundAction = false;
};
BuilderEnabling BuilderEnablingFor(BuilderTarget target);

// Runs the builder of the menu entry for `control` and inserts its result there; false when the
// control takes no builder or the author cancelled. "&Zvuková akce" on a case field gives the
// single sound action.
bool OpenBuilder(Akce_form& form, BuilderPurpose purpose, QWidget* control, BuilderTarget target);

// Puts a builder result into a script editor or a case field with the insertion rules of the
// builder (a condition joins the line's bracket group, an action gets spaces around it). The
// edit goes through the widget, so its own change handling stores it.
void InsertBuilderResult(QWidget* control, BuilderPurpose purpose, const std::string& result);

}  // namespace vek::editor
