#include "editor/ui/help_page.h"

#include <string>
#include <system_error>

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

std::optional<std::filesystem::path> FindHelpPage() {
    std::error_code ec;
    return FindHelpPage(std::filesystem::current_path(ec));
}

std::optional<std::filesystem::path> FindPlayer(const std::filesystem::path& editorDir) {
    std::error_code ec;
    for (const auto& candidate :
         {editorDir / "VEK2", editorDir / ".." / ".." / "player" / "shell" / "VEK2"}) {
        if (std::filesystem::is_regular_file(candidate, ec))
            return std::filesystem::weakly_canonical(candidate, ec);
    }
    return std::nullopt;
}

}  // namespace vek::editor
