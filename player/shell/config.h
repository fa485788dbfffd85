// The player's configuration file vek.cfg: the three volumes and the speech settings over the
// lines and base directories that common/config_file.h reads.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/config_file.h"
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
    static constexpr const char* kFileName = ConfigFile::kFileName;

    // ReadConfig: the lines and base directories (ConfigFile::ReadConfig), then the speech
    // settings.
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

    const SoundBasePaths& Paths() const { return file_.Paths(); }
    const std::vector<std::string>& Lines() const { return file_.Lines(); }
    std::string Value(std::string_view key) const { return file_.Value(key); }

    static std::vector<std::string> DefaultLines() { return ConfigFile::DefaultLines(); }

  private:
    ConfigFile file_;
    SpeechSettings speech_;
};

}  // namespace vek::player
