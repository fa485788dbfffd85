#include "player/shell/startup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

#include "common/scenario_format.h"
#include "common/text_file.h"

namespace vek::player {

namespace {

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::string Sx00WaveBytes() {
    constexpr std::uint32_t kRate = 22050;
    constexpr std::uint32_t kFrames = 1873;  // 3790 bytes as a file, like the original notice
    std::string data;
    data.reserve(kFrames * 2);
    for (std::uint32_t i = 0; i < kFrames; ++i) {
        // A quiet 1 kHz blip over the first 10 ms, then silence: audible as a tick, never loud.
        double t = static_cast<double>(i) / kRate;
        double envelope = i < 220 ? 1.0 - i / 220.0 : 0.0;
        auto sample = static_cast<std::int16_t>(
            std::lround(1500.0 * envelope * std::sin(2.0 * 3.14159265358979 * 1000.0 * t)));
        put16(data, static_cast<std::uint16_t>(sample));
    }
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<std::uint32_t>(data.size()));
    out += data;
    return out;
}

bool WriteSx00IfMissing(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::path file = dir / "sx00.wav";
    if (std::filesystem::exists(file, ec))
        return true;
    return writeFileAtomically(file, Sx00WaveBytes());
}

bool IsScenarioFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    char head[3] = {};
    in.read(head, 3);
    return in.gcount() == 3 && isScenarioHeader(std::string_view(head, 3));
}

std::vector<std::string> FillScenarioList(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(dir, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const auto& path = it->path();
        std::string ext = path.extension().string();
        bool scn = ext.size() == 4 && ext[0] == '.' && (ext[1] | 0x20) == 's' &&
                   (ext[2] | 0x20) == 'c' && (ext[3] | 0x20) == 'n';
        if (scn && it->is_regular_file(ec) && IsScenarioFile(path))
            names.push_back(path.filename().string());
    }
    // Sorted by name, as the file system of the games' home lists them, so that the list reads
    // the same on every machine.
    std::sort(names.begin(), names.end());
    return names;
}

void TReport::operator()(const std::string& line) const {
    if (!on_)
        return;
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << line << "\r\n";
}

}  // namespace vek::player
