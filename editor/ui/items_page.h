// The page "Předměty": the current item's name, "co:" and sound, its five scripts and whether
// it can be taken, is used on something else and is a character.
#pragma once

#include "editor/ui/editor_page.h"
#include "editor/ui/field_controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

namespace vek::editor {

class ItemsPage : public EditorPage {
  public:
    ItemsPage(PageCommands& commands, KeyMap& keys);

    QWidget* firstControl() const override;
    QWidget* controlOf(Field field) const override;
    QComboBox* steppedSelector(const QWidget* focus, EntityKind& kind) const override;
    void refill() override;

    void newItem();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void changed(const DocumentChange& change);

    FieldControls fields_;
    std::vector<std::string> shownNames_, shownSoundChoices_;
    QComboBox* CisloPredmetuBox;
    QPushButton *NovyPredmetButton, *JmenoPredmetuButton, *SmazPredmetButton;
    QLineEdit* Pred4pEdit;
    QComboBox* PredZvukEdit;
    QPlainTextEdit *ProzkEdit, *VezmiEdit, *PolozEdit, *PouzEdit, *PromlEdit;
    QCheckBox *LzeVzitBox, *PouzNaBox, *PostavaBox;
    QSplitter* PredmetySplitter;
};

}  // namespace vek::editor
