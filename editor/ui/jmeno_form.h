// The name dialog: a new name for the current window, item, menu or menu item. Renaming keeps
// the paths to a window, the items lying in windows and the start window pointing at it.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "editor/document/document.h"

class QLineEdit;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class Jmeno_form : public QDialog {
  public:
    Jmeno_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent = nullptr);
    // Without a document: only askName() is of use.
    explicit Jmeno_form(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The dialog as the main window's prompts ask for it: `title` (UTF-8) and the `current`
    // name (code page 1250) selected; the typed name (code page 1250) on OK, refusing an empty
    // one, nothing on Cancel. The document is not changed: the caller renames.
    std::optional<std::string> askName(const std::string& title, const std::string& current);
    void prepareName(const QString& title, const std::string& current);
    const std::optional<std::string>& typedName() const { return typed_; }

    // Renames the current entity of `kind`: the menus "(hlavní)" and "(systémová)" are refused
    // with a "Stop" box instead, and nothing opens without a current entity. True when renamed.
    bool renameShown(EntityKind kind);

    // Fills the dialog for `kind` without showing it: the current name selected, the caption
    // "Jméno okna", "Jméno předmětu", "Jméno nabídky" or "Jméno položky". False, after saying
    // a refusal, when there is nothing to rename.
    bool prepare(EntityKind kind);

    static QString captionFor(EntityKind kind);

    QLineEdit* Edit1;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  public:
    // OK: the typed name goes to the document; an empty name is refused and the dialog stays.
    void accept() override;

  private:
    EditorDocument* doc_ = nullptr;
    MessageBoxes& boxes_;
    EntityKind kind_ = EntityKind::Window;
    bool renames_ = false;  // OK renames in the document, or only hands the name back
    std::optional<std::string> typed_;
};

}  // namespace vek::editor
