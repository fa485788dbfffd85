// The chooser: one name picked from a list and added to a list of the current window, the
// current menu or the starting inventory.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "editor/document/document.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class Vyber_form : public QDialog {
  public:
    Vyber_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent = nullptr);
    // Without a document: only choose() is of use.
    explicit Vyber_form(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The chooser as the main window's prompts ask for it: `title` (UTF-8) over `choices`
    // (code page 1250), the first selected; the pick on OK, nothing on Cancel or with nothing
    // to choose. The document is not changed: the caller adds the name.
    std::optional<std::string> choose(const std::string& title,
                                      const std::vector<std::string>& choices);
    void prepareChoices(const QString& title, std::vector<std::string> choices);

    // Adds a picked name to `list`: the system menu is refused with a "Stop" box before the
    // chooser opens, and nothing opens without a current window or menu or with nothing to
    // choose. True when the author confirmed (the scenario is then modified, even when the
    // name was there already).
    bool addTo(EntryList list);

    // Fills the chooser for `list` without showing it, the first name selected; false, after
    // saying a refusal, when it would not open.
    bool prepare(EntryList list);

    // The name confirmed last, code page 1250.
    const std::optional<std::string>& chosen() const { return chosen_; }

    // "Výběr okna", "Výběr předmětu", "Výběr položky" or "Výběr hudby".
    static QString captionFor(EntryList list);

    QComboBox* ComboBox1;
    QLabel* ComboBox1Label;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    void accept() override;

  private:
    EditorDocument* doc_ = nullptr;
    bool adds_ = false;  // OK adds to the document, or only hands the pick back
    MessageBoxes& boxes_;
    EntryList list_ = EntryList::Paths;
    std::vector<std::string> choices_;
    std::optional<std::string> chosen_;
};

}  // namespace vek::editor
