// Loading a large scenario against plain line reading, condition atoms per second, and script
// runs per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "player/script/scenario_sounds.h"
#include "player/sound/sound_list.h"
#include "player/world/loader.h"
#include "tests/player/script/script_fakes.h"

namespace vek::player {
namespace {

namespace fs = std::filesystem;

// A scenario of about 5 MB: 2,000 windows, 5,000 items, 5,000 sound entries, 50,000 script lines.
struct LargeScenario {
    fs::path dir = fs::temp_directory_path() / "vek_script_bench";
    fs::path file = dir / "velky.scn";

    LargeScenario() {
        fs::create_directories(dir / "wave");
        std::ofstream(dir / "wave" / "a.wav", std::ios::binary) << "RIFF";
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
            line("CO=v\xECc " + n);
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

    std::size_t bytes = 0;
    int lines = 0;
};

const LargeScenario& scenario() {
    static LargeScenario s;
    return s;
}

class QuietHost : public WorldHost {
  public:
    void ShowError(const std::string&, const std::string&) override {}
};

void BM_LoadWorld(benchmark::State& state) {
    const LargeScenario& s = scenario();
    SoundBasePaths paths{s.dir.string() + "/", ""};
    TSeznamZvuku sounds(paths);
    SystemTexts texts;
    PlayerScenarioSounds scenarioSounds(sounds, texts);
    QuietHost host;
    GameState world;
    for (auto _ : state) {
        // A new game resets the model before it loads; freeing the previous game is not loading.
        state.PauseTiming();
        world.ResetForNewGame();
        state.ResumeTiming();
        LoadWorld(s.file.string(), world, {host, &scenarioSounds});
        benchmark::DoNotOptimize(world.WindowList.size());
    }
    state.counters["windows"] = static_cast<double>(world.WindowList.size());
    state.counters["items"] = static_cast<double>(world.ItemList.size());
    state.counters["sounds"] = static_cast<double>(sounds.size());
    state.counters["script_lines"] = s.lines;
    state.counters["MB"] = static_cast<double>(s.bytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_LoadWorld)->Unit(benchmark::kMillisecond);

// The same file without a sound list: the world model alone, without the 5,000 sound entries'
// file checks, which belong to the sound list.
void BM_LoadWorldWithoutSoundList(benchmark::State& state) {
    const LargeScenario& s = scenario();
    QuietHost host;
    GameState world;
    for (auto _ : state) {
        state.PauseTiming();
        world.ResetForNewGame();
        state.ResumeTiming();
        LoadWorld(s.file.string(), world, {host});
        benchmark::DoNotOptimize(world.WindowList.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_LoadWorldWithoutSoundList)->Unit(benchmark::kMillisecond);

void BM_GetlineSameFile(benchmark::State& state) {
    const LargeScenario& s = scenario();
    for (auto _ : state) {
        std::ifstream in(s.file, std::ios::binary);
        std::string line;
        std::size_t count = 0;
        while (std::getline(in, line))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_GetlineSameFile)->Unit(benchmark::kMillisecond);

// Keeps nothing of what a run shows, so that long benchmark runs do not grow.
class CountingHost : public testing::FakeHost {
  public:
    bool ShowText(const std::string& text, bool) override {
        ++shown;
        return !text.empty();
    }
    void ClearMemo() override {}
    void MemoCaretToStart() override {}
    long shown = 0;
};

struct BenchWorld {
    GameState world;
    CountingHost host;
    testing::FakeSound sound;
    SeededRandomSource random{7};
    ScriptEngine engine{world, host, sound, random};

    BenchWorld() {
        host.state = &engine.state();
        for (int w = 0; w < 2000; ++w) {
            auto o = std::make_unique<TOkno>();
            o->Name = "Okno" + std::to_string(w);
            o->Items = {"klic", "lampa", "Vec" + std::to_string(w)};
            o->Paths = {"Okno" + std::to_string((w + 1) % 2000), "Sklep"};
            world.WindowList.AddOkno(std::move(o));
        }
        for (int p = 0; p < 5000; ++p) {
            auto i = std::make_unique<TPredmet>();
            i->Name = "Vec" + std::to_string(p);
            world.ItemList.AddPredmet(std::move(i));
        }
        world.CurrentWindow = world.WindowList.at(17);
        world.PreviousWindow = world.WindowList.at(16);
        world.Inventory = {"noz", "Vec3", "lampa"};
        world.Switches[1] = true;
        world.Counters[5] = 7;
        world.StringVars[1] = "ano";
        world.Timers[3] = 12;
        sound.playing = {"vitr"};
    }
};

// Conditions as scenarios write them; each entry says how many atoms it holds.
struct MixRow {
    const char* text;
    int atoms;
};
const MixRow kMix[] = {
    {"P01=1;P02=0", 2},
    {"C05>003|C06=010", 2},
    {"IN(A,klic);!IN(C,klic)", 2},
    {"S01=\"ano\"", 1},
    {"FIRST", 1},
    {"PST(50)", 1},
    {"INCS(A,Sklep);P03=1", 2},
    {"T03>10;NOFULL", 2},
    {"%1=Sklep|A=Okno17", 2},
    {"(P01=1|P02=1);(C05<010)", 3},
    {"IN(Okno1200,Vec1200)", 1},
    {"PLAYING(vitr);ELSE", 2},
};

void BM_ConditionAtoms(benchmark::State& state) {
    BenchWorld b;
    long atoms = 0;
    for (auto _ : state) {
        for (const MixRow& row : kMix) {
            benchmark::DoNotOptimize(b.engine.EvaluateCondition(row.text, EventKind::Examine));
            atoms += row.atoms;
        }
    }
    state.counters["atoms_per_s"] =
        benchmark::Counter(static_cast<double>(atoms), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ConditionAtoms);

void BM_RunScript20Lines(benchmark::State& state) {
    BenchWorld b;
    const StringList script = {
        "[FIRST]Vstupujes do kuchyne.",
        "[NOFIRST]Zase kuchyne.",
        "[P01=1;C05<010]Na stole lezi klic. PLAY(klic);",
        "[ELSE]Nic tu neni.",
        "[LAST]SET(C05,+1);",
        "[IN(A,klic)]Klic se leskne.",
        "[!IN(C,noz)]Nemas nuz.",
        "[PST(30)]Kape voda. PLAYSEC(kapka,50x50);",
        "[S01=ano]Odpovedel jsi ano.",
        "[T03>10]Uz je pozde.",
        "[INCS(A,Sklep)]Dvere vedou do sklepa.",
        "SET(P02,1); SET(S03,\"Ahoj, svete\");",
        "[P02=1]Tohle se neukaze, podminky byly vyhodnoceny predem.",
        "& komentar autora",
        "![P09=1]Spinac devet je vypnut.",
        "[%1=Sklep]Jdes do sklepa.",
        "[A=Okno17|B=Okno16]Jsi tam, kde mas byt.",
        "[NOFULL]Jeste uneses dalsi vec.",
        "PLAYBG(vitr,loop,80x100);",
        "Konec popisu.",
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.engine.RunScript(EventKind::Arrival, script, true));
        if (b.sound.calls.size() > 1000)
            b.sound.calls.clear();
    }
    state.counters["runs_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunScript20Lines);

}  // namespace
}  // namespace vek::player
