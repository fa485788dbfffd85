// A readable plain-text version of the scenario, for reading only.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "editor/document/document.h"

namespace vek::editor {

// The export's lines (code page 1250), without line ends.
std::vector<std::string> ExportTextLines(const EditorDocument& doc);

// Writes the export to `path` (lines ended by CR LF), replacing an existing file. The document
// is not touched. False with a Czech `error` when the file cannot be written.
bool ExportText(const EditorDocument& doc, const std::filesystem::path& path,
                std::string* error = nullptr);

}  // namespace vek::editor
