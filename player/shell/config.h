// The player's configuration: vek.cfg with the three volumes over the lines and base directories
// that common/config_file.h reads, and beside it vek-volby.cfg with the player's own options (how
// texts without recordings are spoken, what a screen reader reads, the window's text size and
// colours), which vek.cfg's five lines have no room for.
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
    static constexpr const char* kOptionsFileName = "vek-volby.cfg";

    // ReadConfig: the lines and base directories (ConfigFile::ReadConfig), then the options of
    // the options file beside it; without one, the options an older vek.cfg holds.
    void ReadConfig(const std::filesystem::path& file = kFileName);
    // ApplyVolumes: the three volumes of the kept lines; a missing or non-numeric value is 0.
    VolumeSettings Volumes() const;
    // The speech settings read; a missing key gives its default.
    SpeechSettings Speech() const;
    // The display settings read; a missing or odd value gives its default.
    DisplaySettings Display() const;
    // What WriteConfig writes into the options file.
    void SetSpeech(const SpeechSettings& speech) { speech_ = speech; }
    void SetDisplay(const DisplaySettings& display) { display_ = display; }
    // WriteConfig: exactly the five lines into `file`, and the options into the options file
    // beside it when there is one, when they differ from the defaults, or when `file` held them
    // (they move there once). Each through a temporary file, the options first, so a failure
    // never destroys a previous file nor loses an option. False with a Czech `error` when a file
    // could not be written.
    bool WriteConfig(const VolumeSettings& volumes, const std::filesystem::path& file = kFileName,
                     std::string* error = nullptr) const;

    const SoundBasePaths& Paths() const { return file_.Paths(); }
    const std::vector<std::string>& Lines() const { return file_.Lines(); }
    std::string Value(std::string_view key) const { return file_.Value(key); }

    static std::vector<std::string> DefaultLines() { return ConfigFile::DefaultLines(); }

  private:
    std::string Option(std::string_view key) const { return KeyValue(options_, key); }
    std::vector<std::string> OptionLines() const;

    ConfigFile file_;
    std::vector<std::string> options_;  // the lines the options were read from
    bool optionsKept_ = false;          // an options file exists, or vek.cfg held options
    SpeechSettings speech_;
    DisplaySettings display_;
};

}  // namespace vek::player
