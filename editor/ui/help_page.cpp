#include "editor/ui/help_page.h"

#include <string>
#include <string_view>
#include <system_error>

#include "common/cp1250.h"
#include "common/paths.h"
#include "common/text_file.h"

namespace vek::editor {

namespace {

std::string withBackslash(std::string dir) {
    if (!dir.empty() && dir.back() != '\\' && dir.back() != '/')
        dir += '\\';
    return dir;
}

struct HelpDirs {
    std::string program;
    std::string cd = "d:\\";
};

HelpDirs configuredDirs() {
    HelpDirs dirs;
    auto lines = readTextLines("vek.cfg");
    if (!lines)
        return dirs;
    dirs.cd.clear();
    for (const std::string& line : *lines) {
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string_view key = std::string_view(line).substr(0, eq);
        if (sameText(key, "PROGRAMPATH"))
            dirs.program = line.substr(eq + 1);
        else if (sameText(key, "CDPATH"))
            dirs.cd = line.substr(eq + 1);
    }
    return dirs;
}

// A configured directory is a Windows-style path in code page 1250, relative to the current
// directory unless absolute; its letter case need not match the disk's.
std::optional<std::filesystem::path> pageUnder(const std::string& dir) {
    std::filesystem::path found = resolvePath(withBackslash(dir) + "Help\\index.html");
    std::error_code ec;
    if (std::filesystem::is_regular_file(found, ec))
        return std::filesystem::absolute(found, ec);
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> FindHelpPage() {
    HelpDirs dirs = configuredDirs();
    if (auto page = pageUnder(dirs.program))
        return page;
    return pageUnder(dirs.cd);
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
