// The file commands of the main window: a new scenario, opening, saving (also as text), the
// recent files, playing the scenario in the player and opening the help.
#pragma once

#include <functional>
#include <string>

#include "editor/ui/page_commands.h"

namespace vek::editor {

class StatusPanels;

class FileCommands {
  public:
    // `shown` refills the window after the document was replaced or saved and, when asked, puts
    // the focus on the page; `recentChanged` refreshes the recent files' menu entries.
    FileCommands(PageCommands& commands, StatusPanels& status,
                 std::function<void(bool focus)> shown, std::function<void()> recentChanged);

    // Start-up: the recent files and the example scenario; then the scenario named by
    // `argument` when it contains ".scn".
    void start(const std::string& argument);
    bool ConfirmDiscard();
    void New();
    void Open();
    bool OpenScenario(const std::string& path);
    bool Save();
    bool SaveAs();
    void OpenRecent(std::size_t slot);
    void PlayScenario();
    void ShowHelp();

  private:
    bool saveTo(const std::string& path);
    void exportText(const std::string& path);
    // A save heard by a screen reader: the file's name.
    void announceSaved(const std::string& path);
    void remember(const std::string& path);

    PageCommands& commands_;
    EditorDocument& doc_;
    EditorServices& services_;
    StatusPanels& status_;
    std::function<void(bool)> shown_;
    std::function<void()> recentChanged_;
};

}  // namespace vek::editor
