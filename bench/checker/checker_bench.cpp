// Checking the generated 5 MB scenario against loading it in the player.
#include <benchmark/benchmark.h>

#include "bench/large_scenario.h"
#include "common/text_file.h"
#include "editor/checker/checker.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "player/script/scenario_sounds.h"
#include "player/sound/sound_list.h"
#include "player/world/loader.h"

namespace vek::editor {
namespace {

class QuietHost : public player::WorldHost {
  public:
    void ShowError(const std::string&, const std::string&) override {}
};

// What the player does for a new game's scenario: the file read, the world and the sound list
// filled, the system texts taken.
void BM_PlayerLoad(benchmark::State& state) {
    const bench::LargeScenario& s = bench::scenario();
    SoundBasePaths paths{s.dir.string() + "/", ""};
    TSeznamZvuku sounds(paths);
    SystemTexts texts;
    player::PlayerScenarioSounds scenarioSounds(sounds, texts);
    QuietHost host;
    player::GameState world;
    for (auto _ : state) {
        state.PauseTiming();
        world.ResetForNewGame();
        state.ResumeTiming();
        player::LoadWorld(s.file.string(), world, {host, &scenarioSounds});
        benchmark::DoNotOptimize(world.WindowList.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_PlayerLoad)->Unit(benchmark::kMillisecond);

// The checker's work on a file already read and opened in the editor: the player's load of the
// same bytes, every script line cut and checked, every recording looked for and decoded.
void BM_CheckScenario(benchmark::State& state) {
    const bench::LargeScenario& s = bench::scenario();
    std::string bytes = readFileBytes(s.file).value();
    EditorDocument doc;
    ReadScenario(doc, bytes, {});
    SoundBasePaths paths = PlayerBasePaths(s.dir);
    std::size_t problems = 0;
    for (auto _ : state) {
        CheckReport report = CheckScenario({bytes, &doc, paths});
        problems = report.problems.size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = static_cast<double>(problems);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_CheckScenario)->Unit(benchmark::kMillisecond);

// The whole of Mirela2 --check as a user meets it: reading, opening in the editor, checking.
void BM_CheckCommand(benchmark::State& state) {
    const bench::LargeScenario& s = bench::scenario();
    for (auto _ : state) {
        std::string bytes = readFileBytes(s.file).value();
        EditorDocument doc;
        ReadScenario(doc, bytes, {});
        CheckReport report = CheckScenario({std::move(bytes), &doc, PlayerBasePaths(s.dir)});
        benchmark::DoNotOptimize(report.problems.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes));
}
BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::editor
