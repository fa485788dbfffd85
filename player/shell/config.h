// The player's configuration file vek.cfg: three volumes and the two sound base directories.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/sound_entry.h"
#include "player/sound/sound_box.h"

namespace vek::player {

// How the player's voice stands in for recordings that cannot be played, what more it says on
// request, and what it leaves to a screen reader while one runs (one voice by default).
struct SpeechSettings {
    bool speakTexts = true;          // "Předčítat texty bez nahrávky"
    int rate = 100;                  // "Rychlost řeči", percent of the normal speed
    bool readShownTexts = false;     // also texts that are only shown, with no sound at all
    bool announceSelection = false;  // name the selected entry after a command
    bool entriesToReader = true;     // the screen reader, not the game, reads list entries
    bool textsToReader = true;       // texts without a recording go to the screen reader
    friend bool operator==(const SpeechSettings&, const SpeechSettings&) = default;
};

class PlayerConfig {
  public:
    static constexpr const char* kFileName = "vek.cfg";

    // ReadConfig: the file's lines (or the five defaults when it is missing) and the two base
    // directories, normalised to end with "\"; an empty CDPATH becomes "D:\".
    void ReadConfig(const std::filesystem::path& file = kFileName);
    // ApplyVolumes: the three volumes of the kept lines; a missing or non-numeric value is 0.
    VolumeSettings Volumes() const;
    // The speech settings of the kept lines; a missing key gives its default.
    SpeechSettings Speech() const;
    // What WriteConfig writes after the five lines.
    void SetSpeech(const SpeechSettings& speech) { speech_ = speech; }
    // WriteConfig: the five lines, then the speech settings, through a temporary file, so a
    // failure never destroys the previous file. False with a Czech `error` when it could not be
    // written.
    bool WriteConfig(const VolumeSettings& volumes, const std::filesystem::path& file = kFileName,
                     std::string* error = nullptr) const;

    const SoundBasePaths& Paths() const { return paths_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    // The value of `key` in the kept lines ("" when missing), key compared without case.
    std::string Value(std::string_view key) const;

    static std::vector<std::string> DefaultLines();

  private:
    std::vector<std::string> lines_;
    SoundBasePaths paths_;
    SpeechSettings speech_;
};

}  // namespace vek::player
