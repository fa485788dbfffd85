// Where the editor finds its help page and the player it starts for "Zahrát scénář".
#pragma once

#include <filesystem>
#include <optional>

namespace vek::editor {

// "Help\index.html" under the program directory, else under the CD directory; both come from
// the player's configuration "vek.cfg" in `workingDir` (the working directory itself and "d:\"
// without it), relative ones taken from `workingDir`. Nothing when neither holds the page.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& workingDir);
// The same from the current directory, as the editor's help command looks, and then the manual
// of the installation the editor runs from.
std::optional<std::filesystem::path> FindHelpPage();

// The player beside the editor: in the same directory once installed, or in the build tree's
// player folder. Nothing when it cannot be found.
std::optional<std::filesystem::path> FindPlayer(const std::filesystem::path& editorDir);

}  // namespace vek::editor
