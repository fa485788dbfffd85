// The page "Menu": the scenario's menus (their parent and their entries) beside the menu items
// (their sound and function).
#pragma once

#include "editor/ui/editor_page.h"
#include "editor/ui/field_controls.h"

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vek::editor {

class MenuPage : public EditorPage {
  public:
    MenuPage(PageCommands& commands, KeyMap& keys);

    QWidget* firstControl() const override;
    QWidget* controlOf(Field field) const override;
    QListWidget* controlOf(EntryList list) const override;
    QComboBox* steppedSelector(const QWidget* focus, EntityKind& kind) const override;
    void refill() override;

  private:
    void changed(const DocumentChange& change);
    void showMenu();
    void showMenuItem();
    void newEntity(EntityKind kind);
    void resetMainMenu();
    void updateButtons();

    FieldControls fields_;
    std::vector<std::string> shownMenuNames_, shownItemNames_, shownSoundChoices_;
    QComboBox *CisloNabidkyBox, *ParentMenuBox, *CisloPolozkyBox, *ZvukPolBox;
    QPushButton *NewNabButton, *JmenoNabButton, *SmazNabButton, *AddPolButt, *DelPolButt,
        *SetDefHNButt, *NewPolButton, *JmenoPolButton, *SmazPolButton;
    QListWidget* SeznamPolBox;
    QPlainTextEdit* FunkcePolMemo;
};

}  // namespace vek::editor
