#include "editor/ui/help_page.h"

#include "common/paths.h"
#include "editor/checker/checker.h"

namespace vek::editor {

std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& workingDir) {
    const SoundBasePaths paths = PlayerBasePaths(workingDir);
    for (const std::string& base : {paths.programPath, paths.cdPath})
        if (resolvedFileExists(base, "Help\\index.html"))
            return resolvePath(base, "Help\\index.html");
    return std::nullopt;
}

}  // namespace vek::editor
