// The main window's menu bar: the file commands, the pages, the builders and tools, the
// additions to the scenario and the help. The tools that live in their own windows are reached
// through hooks; a command whose hook is not set stays disabled.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "editor/document/document_events.h"
#include "editor/document/recent_files.h"

class QAction;
class QMenu;
class QString;
class QWidget;

namespace vek::editor {

class EditorPrompts;
class Mirela2_form;

struct ToolHooks {
    // The condition, action and sound-action builders, given the script editor (or, for sound
    // actions, also "kam:" / "co:") that had the focus.
    std::function<void(QWidget*editor)> condition, action, soundAction;
    std::function<void()> search, findNext;    // "Najdi / Zaměň", "Najdi další"
    std::function<void(int page)> properties;  // 0 "Obecné", 1 "Další texty"
    // The properties dialog showing a setting an undo or redo changed.
    std::function<void(std::optional<Field>, std::optional<EntryList>)> showSetting;
    std::function<void()> collection;  // "&Kolekce zvuků..."
};

class MainMenu {
  public:
    MainMenu(Mirela2_form& form, EditorPrompts& prompts, TMenuFilesList& recent);

    void setToolHooks(ToolHooks hooks);
    const ToolHooks& hooks() const { return hooks_; }
    // Marks the page shown in "&Zobrazit".
    void pageShown(int page);
    void updateRecent();
    // Enables the builders for the control with the focus.
    void updateTools();
    // A menu of its own between "&Soubor" and "&Zobrazit".
    QMenu* insertMenu(const QString& title, const char* name);

  private:
    void build();

    Mirela2_form& form_;
    EditorPrompts& prompts_;
    TMenuFilesList& recent_;
    ToolHooks hooks_;
    QMenu* ZobrazitMenu = nullptr;
    std::array<QAction*, TMenuFilesList::kSlots> MIRecent{};
    std::array<QAction*, 4> MIPage{};
    QAction *MIVlastnosti, *MIDalsiTexty, *MIPodminka, *MIAkce, *MIZvukovaAkce, *MINajdi,
        *MINajdiDalsi, *MIKolekce;
};

}  // namespace vek::editor
