// The editor's help command: where the author's manual is.
#pragma once

#include <filesystem>
#include <optional>

namespace vek::editor {

// "Soubor nápovědy nenalezen"
inline constexpr const char* kHelpMissingText =
    "Soubor n\xE1pov\xEC"
    "dy nenalezen";
inline constexpr const char* kHelpMissingCaption = "Chyba";

// Help\index.html under PROGRAMPATH of the vek.cfg in `workingDir` (the working directory itself
// without one), else under CDPATH; nullopt when neither holds it.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& workingDir);

}  // namespace vek::editor
