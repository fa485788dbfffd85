// The browser build's own wave decoder against libsndfile, which the desktop decodes with: the
// same samples for every format the page must play, and the same refusals.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "player/sound/sound_file.h"
#include "player/sound/sound_file_riff.h"
#include "sound_test_support.h"

namespace vek {
namespace {

struct Layout {
    std::uint16_t tag;  // 1 PCM, 3 float, 0xFFFE extensible (PCM inside)
    int bits;
    int channels;
};

void put(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(v >> (8 * i)));
}

// A wave of `frames` frames of a ramp through the whole range, with an odd-sized chunk before
// the data (its pad byte must be skipped).
std::string waveOf(const Layout& l, int frames) {
    std::string data;
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < l.channels; ++c) {
            double v = -1.0 + 2.0 * ((f * l.channels + c) * 7919 % 1000) / 999.0;
            if (l.tag == 3) {
                float x = static_cast<float>(v * 0.9);
                std::uint32_t raw;
                std::memcpy(&raw, &x, 4);
                put(data, raw, 4);
            } else if (l.bits == 8) {
                put(data, static_cast<std::uint32_t>(128 + v * 127), 1);
            } else {
                auto full = static_cast<std::int64_t>(v * ((1LL << (l.bits - 1)) - 1));
                put(data, static_cast<std::uint32_t>(full), l.bits / 8);
            }
        }
    std::string fmt;
    put(fmt, l.tag, 2);
    put(fmt, static_cast<std::uint32_t>(l.channels), 2);
    put(fmt, 22050, 4);
    put(fmt, static_cast<std::uint32_t>(22050 * l.channels * l.bits / 8), 4);
    put(fmt, static_cast<std::uint32_t>(l.channels * l.bits / 8), 2);
    put(fmt, static_cast<std::uint32_t>(l.bits), 2);
    if (l.tag == 0xFFFE) {
        put(fmt, 22, 2);
        put(fmt, static_cast<std::uint32_t>(l.bits), 2);
        put(fmt, 0, 4);  // no channel mask
        put(fmt, 1, 2);  // KSDATAFORMAT_SUBTYPE_PCM
        fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    std::string out = "RIFF";
    std::string body = "WAVEfmt ";
    put(body, static_cast<std::uint32_t>(fmt.size()), 4);
    body += fmt;
    body += "note";
    put(body, 3, 4);
    body += std::string("abc\0", 4);
    body += "data";
    put(body, static_cast<std::uint32_t>(data.size()), 4);
    body += data;
    put(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

class RiffDecoder : public ::testing::Test {
  protected:
    RiffDecoder() {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    std::filesystem::path dir_ = std::filesystem::temp_directory_path() / "vek_riff_decoder";
};

TEST_F(RiffDecoder, GivesTheSamplesLibsndfileGives) {
    const Layout layouts[] = {{1, 8, 1},  {1, 16, 1}, {1, 16, 2},     {1, 24, 2},
                              {1, 32, 1}, {3, 32, 2}, {0xFFFE, 16, 3}};
    for (const Layout& l : layouts) {
        SCOPED_TRACE("tag " + std::to_string(l.tag) + ", " + std::to_string(l.bits) + " bits, " +
                     std::to_string(l.channels) + " channels");
        std::string bytes = waveOf(l, 500);
        auto path = dir_ / "ramp.wav";
        test::writeBytes(path, bytes);
        auto ours = decodeRiffWave(bytes);
        auto reference = decodeSoundFile(path);
        ASSERT_TRUE(ours);
        ASSERT_TRUE(reference);
        EXPECT_EQ(ours->info.frames, reference->info.frames);
        EXPECT_EQ(ours->info.channels, reference->info.channels);
        EXPECT_EQ(ours->info.sampleRate, reference->info.sampleRate);
        EXPECT_EQ(ours->samples, reference->samples);
    }
}

TEST_F(RiffDecoder, RefusesWhatTheDesktopRefuses) {
    std::string good = waveOf({1, 16, 1}, 100);
    std::string cut = good.substr(0, good.size() - 10);  // the data chunk claims more
    std::string noData = good.substr(0, good.find("data"));
    std::string notWave = "OggS" + good.substr(4);
    std::string noFrames = waveOf({1, 16, 1}, 0);
    std::string badBits = waveOf({0x1234, 16, 1}, 10);  // a format tag nobody knows
    for (const std::string* bytes : {&cut, &noData, &notWave, &noFrames, &badBits}) {
        SCOPED_TRACE(bytes == &badBits    ? "unknown format"
                     : bytes == &noFrames ? "no frames"
                                          : "other");
        EXPECT_FALSE(decodeRiffWave(*bytes));
        auto path = dir_ / "bad.wav";
        test::writeBytes(path, *bytes);
        EXPECT_FALSE(decodeSoundFile(path));
    }
    EXPECT_FALSE(riffStructureIntact(cut));
    EXPECT_FALSE(riffStructureIntact(noData));
    EXPECT_TRUE(riffStructureIntact(notWave));  // not RIFF: another decoder's business
}

}  // namespace
}  // namespace vek
