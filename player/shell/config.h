// The player's configuration file vek.cfg: the three volumes and the speech settings over the
// lines and base directories that common/config_file.h reads.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/config_file.h"
#include "player/sound/sound_box.h"

namespace vek::player {

// How the player speaks what has no recording, and what it leaves to a screen reader.
struct SpeechSettings {
    bool speakTexts = true;        // "Předčítat texty bez nahrávky"
    int rate = 100;                // "Rychlost řeči", percent of the normal speed
    bool entriesToReader = false;  // the screen reader, not the game, reads list entries
    bool textsToReader = false;    // texts of the text pane go to the screen reader
    friend bool operator==(const SpeechSettings&, const SpeechSettings&) = default;
};

// How the window shows its text, for players who see a little.
enum class Contrast { Normal = 0, LightOnBlack = 1, BlackOnWhite = 2 };
struct DisplaySettings {
    static constexpr int kMinScale = 100;
    static constexpr int kMaxScale = 300;
    static constexpr int kScaleStep = 25;
    int textScale = kMinScale;             // "Velikost písma", percent of the normal size
    Contrast contrast = Contrast::Normal;  // "Barvy"
    friend bool operator==(const DisplaySettings&, const DisplaySettings&) = default;
};

class PlayerConfig {
  public:
    static constexpr const char* kFileName = ConfigFile::kFileName;

    // ReadConfig: the lines and base directories (ConfigFile::ReadConfig), then the speech
    // settings.
    void ReadConfig(const std::filesystem::path& file = kFileName);
    // ApplyVolumes: the three volumes of the kept lines; a missing or non-numeric value is 0.
    VolumeSettings Volumes() const;
    // The speech settings of the kept lines; a missing key gives its default (texts go to the
    // screen reader by default when the list entries do).
    SpeechSettings Speech() const;
    // The display settings of the kept lines; a missing or odd value gives its default.
    DisplaySettings Display() const;
    // What WriteConfig writes after the five lines.
    void SetSpeech(const SpeechSettings& speech) { speech_ = speech; }
    void SetDisplay(const DisplaySettings& display) { display_ = display; }
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
    DisplaySettings display_;
};

}  // namespace vek::player
