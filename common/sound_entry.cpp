#include "common/sound_entry.h"

namespace vek {

namespace entry_line {

namespace {

constexpr auto npos = std::string_view::npos;

// The text after `open` up to the next `close`, or to the end of the line when none follows.
std::string_view between(std::string_view line, std::size_t open, char close) {
    auto rest = line.substr(open + 1);
    return rest.substr(0, rest.find(close));
}

}  // namespace

std::string_view Key(std::string_view line) {
    return line.substr(0, line.find('='));
}

std::string_view Text(std::string_view line) {
    auto eq = line.find('=');
    return eq == npos ? std::string_view{} : between(line, eq, '(');
}

std::string_view FileSpec(std::string_view line) {
    auto paren = line.find('(');
    return paren == npos ? std::string_view{} : between(line, paren, ')');
}

std::string_view CollectionFile(std::string_view line) {
    auto spec = FileSpec(line);
    auto bar = spec.find('|');
    return bar == npos ? std::string_view{} : spec.substr(0, bar);
}

std::string_view CollectionSound(std::string_view line) {
    auto spec = FileSpec(line);
    auto bar = spec.find('|');
    return bar == npos ? std::string_view{} : spec.substr(bar + 1);
}

int Priority(std::string_view line) {
    if (line.size() < 2)
        return 0;
    char c = line.back();
    if (c >= 'A' && c <= 'Z')
        c = line[line.size() - 2];
    return (c >= '1' && c <= '9') ? c - '0' : 0;
}

SoundKind Kind(std::string_view line) {
    if (line.empty())
        return SoundKind::Dialogue;
    switch (line.back()) {
        case 'M':
            return SoundKind::Music;
        case 'X':
            return SoundKind::Effect;
        default:
            return SoundKind::Dialogue;
    }
}

}  // namespace entry_line

const std::string& TNahravka::BaseDir(const SoundBasePaths& paths) const {
    return FromCD ? paths.cdPath : paths.programPath;
}

std::string TNahravka::CollectionFile(bool withDir, const SoundBasePaths& paths) const {
    std::string file(entry_line::CollectionFile(Line));
    return withDir ? BaseDir(paths) + file : file;
}

std::string TNahravka::FullFileName(const SoundBasePaths& paths) const {
    auto spec = entry_line::FileSpec(Line);
    if (spec.find('|') != std::string_view::npos)
        return BaseDir(paths);
    return BaseDir(paths) + std::string(spec);
}

}  // namespace vek
