#include "common/config_file.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "common/cp1250.h"
#include "common/text_file.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

std::string withBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

// A configured directory as a path of this system: absolute ones as written, relative ones
// under `dir`.
std::string baseFrom(const fs::path& dir, const std::string& configured) {
    std::string normal = configured;
    std::replace(normal.begin(), normal.end(), '\\', '/');
    if (!normal.empty() && fs::path(normal).is_absolute())
        return configured;
    std::string base = utf8ToCp1250(dir.string()).value_or(dir.string());
    return base + "/" + configured;
}

}  // namespace

std::vector<std::string> ConfigFile::DefaultLines() {
    return {"VOICEVOLUME=62535", "SOUNDVOLUME=60535", "MUSICVOLUME=57535",
            "PROGRAMPATH=", "CDPATH=D:\\"};
}

void ConfigFile::ReadConfig(const fs::path& file) {
    std::error_code ec;
    std::optional<std::vector<std::string>> lines;
    if (fs::exists(file, ec))
        lines = readTextLines(file);
    lines_ = lines ? std::move(*lines) : DefaultLines();
    paths_.programPath = withBackslash(Value("PROGRAMPATH"));
    std::string cd = Value("CDPATH");
    paths_.cdPath = withBackslash(cd.empty() ? "D:\\" : cd);
}

std::string ConfigFile::Value(std::string_view key) const {
    return KeyValue(lines_, key);
}

std::string KeyValue(const std::vector<std::string>& lines, std::string_view key) {
    for (const std::string& line : lines) {
        auto eq = line.find('=');
        if (eq != std::string::npos && sameText(std::string_view(line).substr(0, eq), key))
            return line.substr(eq + 1);
    }
    return {};
}

SoundBasePaths PlayerBasePaths(const fs::path& startDir) {
    fs::path dir = fs::absolute(startDir.empty() ? fs::path(".") : startDir);
    ConfigFile config;
    config.ReadConfig(dir / ConfigFile::kFileName);
    return {baseFrom(dir, config.Paths().programPath), baseFrom(dir, config.Paths().cdPath)};
}

}  // namespace vek
