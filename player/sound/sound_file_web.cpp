// sound_file.h where there is no libsndfile (the browser build): RIFF/WAVE only.
#include <fstream>
#include <iterator>

#include "player/sound/sound_file_riff.h"

namespace vek {

std::optional<DecodedSound> decodeSoundFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return decodeRiffWave(bytes);
}

std::optional<SoundFileInfo> probeSoundFile(const std::filesystem::path& path) {
    auto sound = decodeSoundFile(path);
    if (!sound)
        return std::nullopt;
    return sound->info;
}

}  // namespace vek
