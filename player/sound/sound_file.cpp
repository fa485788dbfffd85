#include "player/sound/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>

namespace vek {

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

SndfileHandle openChecked(const std::filesystem::path& path, SF_INFO& info) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !waveStructureIntact(path))
        return nullptr;
    info = SF_INFO{};
    SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > kMaxSoundChannels || info.samplerate < 1 ||
        info.samplerate > 768000)
        return nullptr;
    return file;
}

// Reads every frame through `sink`; false on a decoding error, an empty or an oversized sound.
template <typename Sink>
bool readAll(SNDFILE* file, const SF_INFO& info, Sink sink, std::uint64_t& frames) {
    constexpr sf_count_t kBlock = 4096;
    std::vector<std::int16_t> block(static_cast<std::size_t>(kBlock * info.channels));
    // Floating-point samples are read as such: libsndfile's own conversion to integers
    // truncates them to -1, 0 and 1, which made every float wave silent.
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    const bool floating = subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
    std::vector<float> floats(floating ? block.size() : 0);
    frames = 0;
    for (;;) {
        sf_count_t got = floating ? sf_readf_float(file, floats.data(), kBlock)
                                  : sf_readf_short(file, block.data(), kBlock);
        if (got <= 0)
            break;
        if (floating)
            for (sf_count_t i = 0; i < got * info.channels; ++i)
                block[static_cast<std::size_t>(i)] =
                    floatSampleToInt16(floats[static_cast<std::size_t>(i)]);
        frames += static_cast<std::uint64_t>(got);
        if (frames * static_cast<std::uint64_t>(info.channels) > kMaxSoundSamples)
            return false;
        sink(block.data(), static_cast<std::size_t>(got * info.channels));
    }
    return sf_error(file) == SF_ERR_NO_ERROR && frames > 0;
}

}  // namespace

std::optional<SoundFileInfo> probeSoundFile(const std::filesystem::path& path) {
    SF_INFO info{};
    SndfileHandle file = openChecked(path, info);
    if (!file)
        return std::nullopt;
    SoundFileInfo result{0, info.samplerate, info.channels};
    if (!readAll(
            file.get(), info, [](const std::int16_t*, std::size_t) {}, result.frames))
        return std::nullopt;
    return result;
}

std::optional<DecodedSound> decodeSoundFile(const std::filesystem::path& path) {
    SF_INFO info{};
    SndfileHandle file = openChecked(path, info);
    if (!file)
        return std::nullopt;
    DecodedSound sound;
    sound.info.sampleRate = info.samplerate;
    sound.info.channels = info.channels;
    // The header's claim is only a hint: never trust it with more than a few seconds' memory.
    constexpr sf_count_t kReserveCap = 1 << 22;
    if (info.frames > 0)
        sound.samples.reserve(
            static_cast<std::size_t>(std::min(info.frames, kReserveCap) * info.channels));
    auto append = [&](const std::int16_t* data, std::size_t count) {
        sound.samples.insert(sound.samples.end(), data, data + count);
    };
    if (!readAll(file.get(), info, append, sound.info.frames))
        return std::nullopt;
    return sound;
}

}  // namespace vek
