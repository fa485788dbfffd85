// The player's configuration file vek.cfg as both programs read it: its key lines and the two
// sound base directories. The player adds its volumes and speech settings (player/shell/config.h);
// the editor reads only the directories, for the checker and its help page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/sound_entry.h"

namespace vek {

class ConfigFile {
  public:
    static constexpr const char* kFileName = "vek.cfg";

    // ReadConfig: the file's lines (or the five defaults when it is missing) and the two base
    // directories, normalised to end with "\"; an empty CDPATH becomes "D:\".
    void ReadConfig(const std::filesystem::path& file = kFileName);

    const SoundBasePaths& Paths() const { return paths_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    // The value of `key` in the kept lines ("" when missing), key compared without case.
    std::string Value(std::string_view key) const;

    // "VOICEVOLUME=62535", "SOUNDVOLUME=60535", "MUSICVOLUME=57535", "PROGRAMPATH=", "CDPATH=D:\".
    static std::vector<std::string> DefaultLines();

  private:
    std::vector<std::string> lines_;
    SoundBasePaths paths_;
};

// The value of `key` among key lines ("" when missing), key compared without case.
std::string KeyValue(const std::vector<std::string>& lines, std::string_view key);

// The base directories the player would use when started in `dir`: PROGRAMPATH and CDPATH of
// the vek.cfg there when there is one, relative ones taken from `dir`; without vek.cfg, `dir`
// itself and the CD drive. The checker uses the scenario's directory, the help command the
// editor's working directory.
SoundBasePaths PlayerBasePaths(const std::filesystem::path& dir);

}  // namespace vek
