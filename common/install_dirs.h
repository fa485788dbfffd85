// Where an installed program finds its shared data (the game directory with the default
// recordings, the menu samples, the demo game and the manual): relative to its own executable,
// so an installation under any prefix, or a package unpacked into any folder, works.
#pragma once

#include <filesystem>
#include <optional>

namespace vek {

// The shared data directory of a program installed as `executable`, when it exists; none for a
// program run from its build tree.
std::optional<std::filesystem::path> InstalledDataDirFor(const std::filesystem::path& executable);

// The same for the running program (its executable as the kernel names it).
std::optional<std::filesystem::path> InstalledDataDir();

}  // namespace vek
