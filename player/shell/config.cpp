#include "player/shell/config.h"

#include <charconv>
#include <optional>

#include "common/text_file.h"

namespace vek::player {

namespace {

int volumeValue(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

// A switch written as 0 or 1; anything else keeps the default.
bool switchValue(const std::string& text, bool fallback) {
    if (text == "0" || text == "1")
        return text == "1";
    return fallback;
}

}  // namespace

void PlayerConfig::ReadConfig(const std::filesystem::path& file) {
    file_.ReadConfig(file);
    std::error_code ec;
    const std::filesystem::path options = file.parent_path() / kOptionsFileName;
    std::optional<std::vector<std::string>> lines;
    if (std::filesystem::exists(options, ec))
        lines = readTextLines(options);
    options_ = lines ? std::move(*lines) : Lines();
    speech_ = Speech();
    display_ = Display();
    optionsKept_ = lines.has_value();
}

VolumeSettings PlayerConfig::Volumes() const {
    VolumeSettings v;
    v.voice = volumeValue(Value("VOICEVOLUME"));
    v.sound = volumeValue(Value("SOUNDVOLUME"));
    v.music = volumeValue(Value("MUSICVOLUME"));
    return v;
}

SpeechSettings PlayerConfig::Speech() const {
    SpeechSettings s;
    s.speakTexts = switchValue(Option("SPEECHTEXTS"), s.speakTexts);
    const std::string rate = Option("SPEECHRATE");
    int percent = 0;
    auto [end, ec] = std::from_chars(rate.data(), rate.data() + rate.size(), percent);
    if (ec == std::errc() && end == rate.data() + rate.size() && percent >= 50 && percent <= 300)
        s.rate = percent;
    s.readShownTexts = switchValue(Option("SHOWNTEXTS"), s.readShownTexts);
    s.announceSelection = switchValue(Option("ANNOUNCEENTRY"), s.announceSelection);
    s.entriesToReader = switchValue(Option("ENTRIESTOREADER"), s.entriesToReader);
    s.textsToReader = switchValue(Option("TEXTSTOREADER"), s.textsToReader);
    return s;
}

DisplaySettings PlayerConfig::Display() const {
    DisplaySettings d;
    const int scale = volumeValue(Option("TEXTSCALE"));
    if (scale >= DisplaySettings::kMinScale && scale <= DisplaySettings::kMaxScale)
        d.textScale = scale;
    const std::string contrast = Option("CONTRAST");
    if (contrast == "1" || contrast == "2")
        d.contrast = static_cast<Contrast>(contrast[0] - '0');
    return d;
}

std::vector<std::string> PlayerConfig::OptionLines() const {
    return {
        "SPEECHTEXTS=" + std::string(speech_.speakTexts ? "1" : "0"),
        "SPEECHRATE=" + std::to_string(speech_.rate),
        "SHOWNTEXTS=" + std::string(speech_.readShownTexts ? "1" : "0"),
        "ANNOUNCEENTRY=" + std::string(speech_.announceSelection ? "1" : "0"),
        "ENTRIESTOREADER=" + std::string(speech_.entriesToReader ? "1" : "0"),
        "TEXTSTOREADER=" + std::string(speech_.textsToReader ? "1" : "0"),
        "TEXTSCALE=" + std::to_string(display_.textScale),
        "CONTRAST=" + std::to_string(static_cast<int>(display_.contrast)),
    };
}

bool PlayerConfig::WriteConfig(const VolumeSettings& volumes, const std::filesystem::path& file,
                               std::string* error) const {
    // With the default options nothing but vek.cfg is written; options read from an older
    // vek.cfg that differ from the defaults are written here once and then kept here.
    const bool options =
        optionsKept_ || speech_ != SpeechSettings{} || display_ != DisplaySettings{};
    if (options &&
        !writeLinesAtomically(file.parent_path() / kOptionsFileName, OptionLines(), error))
        return false;
    const std::vector<std::string> lines = {
        "VOICEVOLUME=" + std::to_string(volumes.voice),
        "SOUNDVOLUME=" + std::to_string(volumes.sound),
        "MUSICVOLUME=" + std::to_string(volumes.music),
        "PROGRAMPATH=" + Paths().programPath,
        "CDPATH=" + Paths().cdPath,
    };
    return writeLinesAtomically(file, lines, error);
}

}  // namespace vek::player
