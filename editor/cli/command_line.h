// Mirela2's window-less modes for authors and scripts: text export, conversion and the
// scenario check.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vek::editor {

// Runs the command line `args` (without the program name). Returns the exit code, or nullopt
// when the arguments ask for no window-less mode and the editor's window should start.
// Messages go to `out` and `err` in UTF-8.
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err);

}  // namespace vek::editor
