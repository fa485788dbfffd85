// The name dialog: a new name for the current window, item, menu or menu item. Renaming keeps
// the paths to a window, the items lying in windows and the start window pointing at it.
#pragma once

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
    EditorDocument& doc_;
    MessageBoxes& boxes_;
    EntityKind kind_ = EntityKind::Window;
};

}  // namespace vek::editor
