// Reading sound files for the devices: every format libsndfile knows, with the damaged and
// hostile ones (cut short, not audio at all, claiming more data than the file holds) refused.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vek {

struct SoundFileInfo {
    std::uint64_t frames = 0;
    int sampleRate = 0;
    int channels = 0;
};

struct DecodedSound {
    SoundFileInfo info;
    std::vector<std::int16_t> samples;  // interleaved, info.channels per frame
};

// The most channels and the longest sound accepted; beyond them a file counts as hostile.
inline constexpr int kMaxSoundChannels = 8;
inline constexpr std::uint64_t kMaxSoundSamples = 400'000'000;

// A floating-point sample (full scale ±1.0, beyond it clipped) as a 16-bit one.
inline std::int16_t floatSampleToInt16(float v) {
    if (!(v > -1.0f))  // NaN too: it becomes silence below
        v = v == v ? -1.0f : 0.0f;
    if (v > 1.0f)
        v = 1.0f;
    return static_cast<std::int16_t>(std::lrint(v * 32767.0f));
}

// Decodes the whole file to check it; nullopt when it cannot be used.
std::optional<SoundFileInfo> probeSoundFile(const std::filesystem::path& path);
std::optional<DecodedSound> decodeSoundFile(const std::filesystem::path& path);

// For RIFF/WAVE files: false when the chunk structure runs past the end of the file (a cut
// file or a forged length). Other files pass.
bool waveStructureIntact(const std::filesystem::path& path);

}  // namespace vek
