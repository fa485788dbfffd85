// Where the editor finds its help page and the player it starts for "Zahrát scénář".
#pragma once

#include <filesystem>
#include <optional>

namespace vek::editor {

// "Help\index.html" under the program directory, else under the CD directory; both come from
// the player's configuration "vek.cfg" in the current directory (an empty program directory
// and "d:\" without it). Nothing when neither holds the page.
std::optional<std::filesystem::path> FindHelpPage();

// The player beside the editor: in the same directory once installed, or in the build tree's
// player folder. Nothing when it cannot be found.
std::optional<std::filesystem::path> FindPlayer(const std::filesystem::path& editorDir);

}  // namespace vek::editor
