#include "player/shell/config.h"

#include <charconv>

#include "common/cp1250.h"
#include "common/text_file.h"

namespace vek::player {

namespace {

std::string withBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

int volumeValue(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

}  // namespace

std::vector<std::string> PlayerConfig::DefaultLines() {
    return {"VOICEVOLUME=62535", "SOUNDVOLUME=60535", "MUSICVOLUME=57535",
            "PROGRAMPATH=", "CDPATH=D:\\"};
}

void PlayerConfig::ReadConfig(const std::filesystem::path& file) {
    std::error_code ec;
    std::optional<std::vector<std::string>> lines;
    if (std::filesystem::exists(file, ec))
        lines = readTextLines(file);
    lines_ = lines ? std::move(*lines) : DefaultLines();
    paths_.programPath = withBackslash(Value("PROGRAMPATH"));
    std::string cd = Value("CDPATH");
    paths_.cdPath = withBackslash(cd.empty() ? "D:\\" : cd);
}

std::string PlayerConfig::Value(std::string_view key) const {
    for (const std::string& line : lines_) {
        auto eq = line.find('=');
        if (eq != std::string::npos && sameText(std::string_view(line).substr(0, eq), key))
            return line.substr(eq + 1);
    }
    return {};
}

VolumeSettings PlayerConfig::Volumes() const {
    VolumeSettings v;
    v.voice = volumeValue(Value("VOICEVOLUME"));
    v.sound = volumeValue(Value("SOUNDVOLUME"));
    v.music = volumeValue(Value("MUSICVOLUME"));
    return v;
}

bool PlayerConfig::WriteConfig(const VolumeSettings& volumes, const std::filesystem::path& file,
                               std::string* error) const {
    std::vector<std::string> lines = {
        "VOICEVOLUME=" + std::to_string(volumes.voice),
        "SOUNDVOLUME=" + std::to_string(volumes.sound),
        "MUSICVOLUME=" + std::to_string(volumes.music),
        "PROGRAMPATH=" + paths_.programPath,
        "CDPATH=" + paths_.cdPath,
    };
    return writeLinesAtomically(file, lines, error);
}

}  // namespace vek::player
