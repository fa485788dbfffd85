// The password prompt shown before an encoded scenario is opened for editing.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "editor/document/scenario_io.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class Loading_form : public QDialog {
  public:
    explicit Loading_form(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Empties the field, asks modally; the typed password (code page 1250) on OK, nothing on
    // Cancel.
    std::optional<std::string> askPassword();
    // The prompt as the scenario reader asks for it (OpenScenario).
    PasswordPrompt prompt();

    // Empties the field and makes the prompt ready to be shown.
    void prepare();
    // The typed password; nothing when code page 1250 cannot hold it (said in a "Stop" box).
    std::optional<std::string> typedPassword();

    QLabel* Label1;
    QLineEdit* HesloEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  private:
    MessageBoxes& boxes_;
};

}  // namespace vek::editor
