#include "editor/cli/help_page.h"

#include <string>
#include <system_error>

#include "common/config_file.h"
#include "common/install_dirs.h"
#include "common/paths.h"

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
    if (auto page = FindHelpPage(std::filesystem::current_path(ec)))
        return page;
    // An installed editor started from a desktop menu runs in the home directory: its own copy
    // of the manual is then the one to open.
    if (auto data = InstalledDataDir()) {
        std::filesystem::path page = *data / "Help" / "index.html";
        if (std::filesystem::is_regular_file(page, ec))
            return page;
    }
    return std::nullopt;
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
