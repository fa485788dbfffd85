// Prepares a walkthrough's working directory: a short silent recording for every default sound
// and for every plain file the scenarios there name, so that what the player says shows in the
// transcript. A file name ending in _NNNNms.wav lasts NNNN milliseconds; every other one 500.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <regex>
#include <string>

#include "common/paths.h"
#include "common/sound_entry.h"
#include "common/system_sounds.h"
#include "common/text_file.h"

namespace {

constexpr int kRate = 8000;  // 8-bit mono: small files, exact durations

std::string silentWave(int ms) {
    std::uint32_t frames =
        static_cast<std::uint32_t>(kRate) * static_cast<std::uint32_t>(ms) / 1000;
    auto put = [](std::string& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::string out = "RIFF";
    put(out, 36 + frames, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 1, 2);
    put(out, kRate, 4);
    put(out, kRate, 4);
    put(out, 1, 2);
    put(out, 8, 2);
    out += "data";
    put(out, frames, 4);
    out.append(frames, static_cast<char>(0x80));
    return out;
}

int durationOf(const std::string& spec) {
    static const std::regex kTimed(R"(_(\d+)ms\.wav$)", std::regex::icase);
    std::smatch m;
    if (std::regex_search(spec, m, kTimed))
        return std::stoi(m[1]);
    return 500;
}

bool makeFor(const std::filesystem::path& dir, const std::string& entryLine) {
    std::string spec(vek::entry_line::FileSpec(entryLine));
    if (spec.empty() || spec.find('|') != std::string::npos)
        return true;
    std::string relative = spec;
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    std::filesystem::path target = dir / relative;
    std::error_code ec;
    if (std::filesystem::exists(target, ec))
        return true;
    std::filesystem::create_directories(target.parent_path(), ec);
    return vek::writeFileAtomically(target, silentWave(durationOf(spec)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vek_walk_fixture DIRECTORY\n";
        return 2;
    }
    std::filesystem::path dir = argv[1];
    std::vector<std::string> lines = vek::editorDefaultSystemSounds();
    for (const auto& more : {vek::playerDefaultSystemSounds(), vek::playerBasicSounds()})
        lines.insert(lines.end(), more.begin(), more.end());
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".scn")
            continue;
        for (const std::string& line :
             vek::readTextLines(entry.path()).value_or(std::vector<std::string>{})) {
            for (std::string_view key : {"NOVYWAV=", "NOVYSYSWAV="})
                if (line.rfind(key, 0) == 0)
                    lines.push_back(line.substr(key.size()));
        }
    }
    bool ok = true;
    for (const std::string& line : lines)
        ok = makeFor(dir, line) && ok;
    return ok ? 0 : 1;
}
