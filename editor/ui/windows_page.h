// The page "Okna": the current window's name, sound and "kam:", its three scripts, and its
// paths, items and music.
#pragma once

#include "editor/ui/editor_page.h"
#include "editor/ui/field_controls.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vek::editor {

class WindowsPage : public EditorPage {
  public:
    WindowsPage(PageCommands& commands, KeyMap& keys);

    QWidget* firstControl() const override;
    QWidget* controlOf(Field field) const override;
    QListWidget* controlOf(EntryList list) const override;
    QComboBox* steppedSelector(const QWidget* focus, EntityKind& kind) const override;
    void refill() override;

    void newWindow();
    // Adds a path or an item to the current window through the chooser.
    void addEntry(EntryList list);

  private:
    void changed(const DocumentChange& change);
    void entriesChanged(EntryList list);
    void goToEntry(EntryList list);
    void updateButtons();

    FieldControls fields_;
    std::vector<std::string> shownNames_, shownSoundChoices_;
    QComboBox *CisloOknaBox, *OknoZvukEdit;
    QLineEdit* Okno2pEdit;
    QPushButton *NoveOknoButton, *RnOknoButton, *SmazOknoButton;
    QPlainTextEdit *RozhlEdit, *PrichEdit, *OdchEdit;
    QListWidget *SeznamCestList, *SeznamPredmetuList, *HudbaList;
    QPushButton *AddCestButton, *DelCestButton, *AddPredButton, *DelPredButton, *AddHudButton,
        *DelHudButton;
};

}  // namespace vek::editor
