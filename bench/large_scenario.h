// The generated scenario of about 5 MB that every benchmark of a large scenario measures, the
// player's loading and the editor's opening, saving and checking alike: 2,000 windows, 5,000
// items, 5,000 sound entries, 50,000 script lines, all recordings one short wave file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace vek::bench {

struct LargeScenario {
    // A folder of this process: benchmarks running side by side never write each other's file.
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("vek_large_scenario_" + std::to_string(::getpid()));
    std::filesystem::path file = dir / "velky.scn";

    LargeScenario() {
        std::filesystem::create_directories(dir / "wave");
        std::ofstream(dir / "wave" / "a.wav", std::ios::binary) << shortWave();
        std::string out = "VEK2 sc\xE9n\xE1\xF8\r\nJMENO=Velk\xFD\r\nSTART=Okno0\r\n";
        auto line = [&out](const std::string& s) { out += s + "\r\n"; };
        const std::string padding = " a tady je jeste trochu textu, aby radek mel delku";
        int scriptLines = 0;
        for (int w = 0; w < 2000; ++w) {
            std::string n = std::to_string(w);
            line("NOVEOKNO=Okno" + n);
            line("KAM=do okna " + n);
            line("NAZEVWAV=zvuk" + n);
            line("ROZHLEDNI=");
            for (int i = 0; i < 10; ++i, ++scriptLines)
                line("[P0" + std::to_string(i) + "=1;IN(A,Vec" + n + ")]Vidis vec " + n + padding +
                     " PLAY(zvuk" + n + ");");
            line("*");
            line("CESTY=");
            line("Okno" + std::to_string((w + 1) % 2000));
            line("*");
            line("PREDMETY=");
            line("Vec" + n);
            line("*");
        }
        for (int p = 0; p < 5000; ++p) {
            std::string n = std::to_string(p);
            line("NOVYPREDMET=Vec" + n);
            line(
                "CO=v\xEC"
                "c " +
                n);
            line("PROZKOUMEJ=");
            for (int i = 0; i < 6; ++i, ++scriptLines)
                line("[C0" + std::to_string(i) + ">003|FIRST]Prohlizis vec " + n + padding +
                     " SET(C01,+1);");
            line("*");
            line("VZIT=1");
            line("NA=0");
            line("POSTAVA=0");
        }
        for (int s = 0; s < 5000; ++s)
            line("NOVYWAV=zvuk" + std::to_string(s) + "=Zvuk " + std::to_string(s) +
                 "(wave\\a.wav)");
        std::ofstream(file, std::ios::binary) << out;
        bytes = out.size();
        lines = scriptLines;
    }

    // A mono 16-bit wave of 16 silent samples at 8 kHz.
    static std::string shortWave() {
        std::string w;
        auto put = [&w](std::uint32_t v, int size) {
            for (int i = 0; i < size; ++i)
                w.push_back(static_cast<char>(v >> (8 * i)));
        };
        w += "RIFF";
        put(36 + 32, 4);
        w += "WAVEfmt ";
        put(16, 4);
        put(1, 2);
        put(1, 2);
        put(8000, 4);
        put(16000, 4);
        put(2, 2);
        put(16, 2);
        w += "data";
        put(32, 4);
        w.append(32, '\0');
        return w;
    }

    ~LargeScenario() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::size_t bytes = 0;
    int lines = 0;
};

inline const LargeScenario& scenario() {
    static LargeScenario s;
    return s;
}

}  // namespace vek::bench
