#include "player/sound/sound_file_riff.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vek {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t le16(const char* p) {
    auto b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8;
}

std::uint32_t le32(const char* p) {
    return le16(p) | le16(p + 2) << 16;
}

bool isRiffWave(std::string_view bytes) {
    return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

struct Chunk {
    std::string_view id;
    std::string_view body;
};

// Visits the chunks in order until `visit` answers false; false when a chunk's length runs past
// the end of the bytes.
template <typename Visit>
bool forEachChunk(std::string_view bytes, Visit visit) {
    std::uint64_t offset = 12;
    while (offset + 8 <= bytes.size()) {
        const std::uint64_t length = le32(bytes.data() + offset + 4);
        if (offset + 8 + length > bytes.size())
            return false;
        if (!visit(Chunk{bytes.substr(offset, 4), bytes.substr(offset + 8, length)}))
            return true;
        offset += 8 + length + (length & 1);
    }
    return true;
}

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<Format> readFormat(std::string_view body) {
    if (body.size() < 16)
        return std::nullopt;
    Format f{static_cast<std::uint16_t>(le16(body.data())), static_cast<int>(le16(body.data() + 2)),
             static_cast<int>(le32(body.data() + 4)), static_cast<int>(le16(body.data() + 14))};
    if (f.tag == kFormatExtensible) {
        if (body.size() < 26)
            return std::nullopt;
        f.tag = static_cast<std::uint16_t>(le16(body.data() + 24));  // the sub-format's GUID
    }
    bool pcm = f.tag == kFormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    bool flt = f.tag == kFormatFloat && f.bits == 32;
    if (!(pcm || flt) || f.channels < 1 || f.channels > kMaxSoundChannels || f.rate < 1 ||
        f.rate > 768000)
        return std::nullopt;
    return f;
}

std::int16_t sampleAt(const char* p, const Format& f) {
    switch (f.bits) {
        case 8:
            return static_cast<std::int16_t>((static_cast<unsigned char>(*p) - 128) << 8);
        case 16:
            return static_cast<std::int16_t>(le16(p));
        case 24:
            return static_cast<std::int16_t>(le16(p + 1));
        default: {
            if (f.tag == kFormatPcm)
                return static_cast<std::int16_t>(le16(p + 2));
            std::uint32_t raw = le32(p);
            float v;
            std::memcpy(&v, &raw, sizeof v);
            return floatSampleToInt16(v);
        }
    }
}

}  // namespace

bool riffStructureIntact(std::string_view bytes) {
    if (!isRiffWave(bytes))
        return true;
    bool data = false;
    bool whole = forEachChunk(bytes, [&](const Chunk& c) {
        data = c.id == "data";
        return !data;
    });
    return whole && data;
}

bool waveStructureIntact(const std::filesystem::path& path) {
    // The headers and lengths are all that is needed, but reading the whole file is no dearer
    // than what decoding it does next.
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 12)
        return true;  // too short for RIFF: the decoder decides
    return riffStructureIntact(bytes);
}

std::optional<DecodedSound> decodeRiffWave(std::string_view bytes) {
    if (!isRiffWave(bytes) || !riffStructureIntact(bytes))
        return std::nullopt;
    std::optional<Format> format;
    std::string_view data;
    forEachChunk(bytes, [&](const Chunk& c) {
        if (c.id == "fmt ")
            format = readFormat(c.body);
        else if (c.id == "data")
            data = c.body;
        return data.empty();
    });
    if (!format)
        return std::nullopt;
    const std::size_t frameBytes = static_cast<std::size_t>(format->channels * format->bits / 8);
    const std::uint64_t frames = data.size() / frameBytes;
    if (frames == 0 || frames * format->channels > kMaxSoundSamples)
        return std::nullopt;
    DecodedSound sound;
    sound.info = {frames, format->rate, format->channels};
    sound.samples.reserve(static_cast<std::size_t>(frames * format->channels));
    const std::size_t step = static_cast<std::size_t>(format->bits / 8);
    for (std::size_t i = 0; i < frames * format->channels; ++i)
        sound.samples.push_back(sampleAt(data.data() + i * step, *format));
    return sound;
}

}  // namespace vek
