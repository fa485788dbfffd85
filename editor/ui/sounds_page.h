// The page "Zvuky": the scenario's own sounds and the system sounds, heard with Space, changed
// in the sound dialog, added one by one or by a file mask.
#pragma once

#include "editor/document/sound_lines.h"
#include "editor/ui/editor_page.h"

class QListWidget;
class QMenu;
class QAction;
class QPushButton;

namespace vek::editor {

class SoundsPage : public EditorPage {
  public:
    SoundsPage(PageCommands& commands, KeyMap& keys);

    QWidget* firstControl() const override;
    void refill() override;

    void addSound();
    void addMoreSounds();
    // Focuses the sound of the key in the user or the system list.
    void showSound(bool system, std::string_view key);

  private:
    void changeSounds();
    void changeSystemSound();
    void deleteSounds();
    void resetSystemSounds();
    void togglePreview(QListWidget* list);
    void openMenu(QListWidget* list, const QPoint& pos);
    void updateButtons();

    SoundNameCounter soundCounter_;
    std::vector<std::string> shownUserSounds_, shownSystemSounds_;
    QListWidget *ZvukyListBox, *ZvukySysListBox;
    QPushButton *AddZvukButt, *ChZvukButt, *DelZvukButt, *AddMoreButt, *ChSysZvukButt,
        *SysZvukDefButt;
    QMenu* SoundsPopup;
    QAction *PopHrej, *PopPridejZvuk, *PopZmenZvuk, *PopSmazZvuk, *PopPridejVice;
    QListWidget* popupList_ = nullptr;  // the list the context menu was opened on
};

}  // namespace vek::editor
