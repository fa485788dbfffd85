#include "player/shell/config.h"

#include <charconv>

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
    speech_ = Speech();
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
    s.speakTexts = switchValue(Value("SPEECHTEXTS"), s.speakTexts);
    const std::string rate = Value("SPEECHRATE");
    int percent = 0;
    auto [end, ec] = std::from_chars(rate.data(), rate.data() + rate.size(), percent);
    if (ec == std::errc() && end == rate.data() + rate.size() && percent >= 50 && percent <= 300)
        s.rate = percent;
    s.readShownTexts = switchValue(Value("SHOWNTEXTS"), s.readShownTexts);
    s.announceSelection = switchValue(Value("ANNOUNCEENTRY"), s.announceSelection);
    s.entriesToReader = switchValue(Value("ENTRIESTOREADER"), s.entriesToReader);
    s.textsToReader = switchValue(Value("TEXTSTOREADER"), s.textsToReader);
    return s;
}

bool PlayerConfig::WriteConfig(const VolumeSettings& volumes, const std::filesystem::path& file,
                               std::string* error) const {
    std::vector<std::string> lines = {
        "VOICEVOLUME=" + std::to_string(volumes.voice),
        "SOUNDVOLUME=" + std::to_string(volumes.sound),
        "MUSICVOLUME=" + std::to_string(volumes.music),
        "PROGRAMPATH=" + Paths().programPath,
        "CDPATH=" + Paths().cdPath,
        "SPEECHTEXTS=" + std::string(speech_.speakTexts ? "1" : "0"),
        "SPEECHRATE=" + std::to_string(speech_.rate),
        "SHOWNTEXTS=" + std::string(speech_.readShownTexts ? "1" : "0"),
        "ANNOUNCEENTRY=" + std::string(speech_.announceSelection ? "1" : "0"),
        "ENTRIESTOREADER=" + std::string(speech_.entriesToReader ? "1" : "0"),
        "TEXTSTOREADER=" + std::string(speech_.textsToReader ? "1" : "0"),
    };
    return writeLinesAtomically(file, lines, error);
}

}  // namespace vek::player
