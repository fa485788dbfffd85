// Costs that decide whether the player keeps up: one timer tick with everything busy, filling
// and searching a large sound list, and getting a recording to sound on the real output.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "player/sound/background.h"
#include "player/sound/openal_device.h"
#include "player/sound/queue.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek {
namespace {

std::filesystem::path benchDir() {
    auto dir = std::filesystem::temp_directory_path() / "vek_sound_bench";
    std::filesystem::create_directories(dir / "wave");
    return dir;
}

void writeWave(const std::filesystem::path& path, int frames, int rate) {
    std::string out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>(v >> (8 * i)));
    };
    out += "RIFF";
    put(36 + frames * 2, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out += "data";
    put(frames * 2, 4);
    for (int i = 0; i < frames; ++i)
        put(static_cast<std::uint32_t>((i % 50) * 300), 2);
    std::ofstream(path, std::ios::binary) << out;
}

// Both queues speaking with more waiting, and the background set full of looping sounds.
void BM_TickEverythingBusy(benchmark::State& state) {
    const auto dir = benchDir();
    writeWave(dir / "wave" / "long.wav", 1000 * 3600, 1000);  // an hour
    writeWave(dir / "sx00.wav", 80, 8000);
    SoundBasePaths paths{dir.string() + "/", ""};
    VolumeSettings volumes;
    VirtualDevice device;
    TSoundBox box(device);
    box.Init();
    TSeznamZvuku list(paths);
    for (int i = 0; i < 500; ++i)
        list.AddNahravku("K" + std::to_string(i) + "=text(wave\\long.wav)");
    SoundEnv env{box, list, paths, volumes};
    env.SoundsOn = true;
    TZvukFronta primary(env, "primary"), secondary(env, "secondary");
    primary.CreateAudio((dir / "sx00.wav").string());
    secondary.CreateAudio((dir / "sx00.wav").string());
    TBackFronta background(env);
    background.Vycisti();
    for (int i = 0; i < 64; ++i)
        background.AddNew("K" + std::to_string(i), true, 0, "80x100");
    for (int i = 0; i < 20; ++i) {
        primary.Add("K" + std::to_string(100 + i) + "|100x100");
        secondary.Add("K" + std::to_string(200 + i));
    }
    primary.Tick();
    secondary.Tick();
    for (auto _ : state) {
        primary.Tick();
        secondary.Tick();
        background.ProvedAll(true);
        device.advance(100);
        if (primary.Pending().size() < 5) {  // an hour per item, yet millions of ticks
            primary.Add("K7");
            secondary.Add("K8");
        }
    }
    if (!primary.Playing() || !secondary.Playing() || background.items().size() != 64)
        state.SkipWithError(("the set-up did not stay busy: " + std::to_string(primary.Playing()) +
                             std::to_string(secondary.Playing()) + " " +
                             std::to_string(background.items().size()))
                                .c_str());
}
BENCHMARK(BM_TickEverythingBusy)->Unit(benchmark::kMicrosecond);

std::vector<std::string> scenarioLines(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i)
        lines.push_back("Zvuk" + std::to_string(i) + "=Text " + std::to_string(i) +
                        "(kolekce.zvk|Zvuk" + std::to_string(i) + ")");
    return lines;
}

// A scenario's sound lines read into the list, then every key looked up once.
void BM_AddNahravkuAndNajdi(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    SoundBasePaths paths{benchDir().string() + "/", ""};
    const std::vector<std::string> lines = scenarioLines(n);
    for (auto _ : state) {
        TSeznamZvuku list(paths);
        for (const auto& line : lines)
            list.AddNahravku(line);
        for (int i = 0; i < n; ++i)
            benchmark::DoNotOptimize(list.Najdi(list.keyAt(static_cast<std::size_t>(i))));
        state.PauseTiming();  // freeing the list is not part of it
        list.Vycisti();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AddNahravkuAndNajdi)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(160000)
    ->Unit(benchmark::kMillisecond);

// The look-ups alone, in the random order a game asks for its keys.
void BM_Najdi(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    SoundBasePaths paths{benchDir().string() + "/", ""};
    TSeznamZvuku list(paths);
    for (const auto& line : scenarioLines(n))
        list.AddNahravku(line);
    std::vector<std::string> keys;
    for (int i = 0; i < n; ++i)
        keys.push_back("zvuk" + std::to_string((i * 7919) % n) + "|100x100");
    for (auto _ : state)
        for (const auto& key : keys)
            benchmark::DoNotOptimize(list.Najdi(key));
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_Najdi)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond);

// The yardstick for the two above: a bare hash map of the same keys, looked up the same way.
// Its cost per look-up rises with the size too, as the table outgrows the caches.
void BM_BareHashMap(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    std::unordered_map<std::string, std::size_t> map;
    for (int i = 0; i < n; ++i)
        map.emplace("ZVUK" + std::to_string(i), static_cast<std::size_t>(i));
    std::vector<std::string> keys;
    for (int i = 0; i < n; ++i)
        keys.push_back("ZVUK" + std::to_string((i * 7919) % n));
    for (auto _ : state)
        for (const auto& key : keys)
            benchmark::DoNotOptimize(map.find(key));
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_BareHashMap)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond);

// A scenario's plain-file sound entries registered when the recordings are not where their
// lines say, as with games written on Windows: the files in other letter case, the folder full
// of other files, or the folder missing beside a game directory full of files. Each entry's
// existence test must not list a directory again.
enum class Layout { OtherCase, OtherFiles, MissingFolder };

std::filesystem::path layoutDir(Layout layout, int n) {
    static const char* kNames[] = {"other-case", "other-files", "missing-folder"};
    auto dir = std::filesystem::temp_directory_path() / "vek_sound_bench_layouts" /
               (std::string(kNames[static_cast<int>(layout)]) + "-" + std::to_string(n));
    if (std::filesystem::exists(dir / "ready"))
        return dir;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    auto folder = dir / (layout == Layout::MissingFolder ? "" : "zvuky");
    std::filesystem::create_directories(folder);
    for (int i = 0; i < n; ++i) {
        std::string name = layout == Layout::OtherCase ? "ZVUK" + std::to_string(i) + ".WAV"
                                                       : "jiny" + std::to_string(i) + ".wav";
        std::ofstream(folder / name) << "RIFF";
    }
    std::ofstream(dir / "ready") << "";
    return dir;
}

void BM_AddNahravkuMisplacedFiles(benchmark::State& state) {
    const auto layout = static_cast<Layout>(state.range(0));
    const auto n = static_cast<int>(state.range(1));
    SoundBasePaths paths{layoutDir(layout, n).string() + "/", ""};
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i)
        lines.push_back("zvuk" + std::to_string(i) + "=Text(zvuky\\zvuk" + std::to_string(i) +
                        ".wav)");
    std::size_t kept = 0;
    for (auto _ : state) {
        TSeznamZvuku list(paths);
        list.BeginLoad();
        for (const auto& line : lines)
            list.AddNahravku(line);
        list.EndLoad();
        kept = list.size();
    }
    if (kept != (layout == Layout::OtherCase ? static_cast<std::size_t>(n) : 0))
        state.SkipWithError(("wrong number of entries kept: " + std::to_string(kept)).c_str());
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AddNahravkuMisplacedFiles)
    ->ArgNames({"layout", "entries"})
    ->ArgsProduct({{0, 1, 2}, {4000, 16000}})
    ->Unit(benchmark::kMillisecond);

// Loading a one-second wave and starting it on the real output (rendered in memory).
void BM_OpenAlLoadAndStart(benchmark::State& state) {
    const bool cached = state.range(0) != 0;
    const auto file = benchDir() / "second.wav";
    writeWave(file, 44100, 44100);
    OpenAlDevice device(OpenAlDevice::Options{true, 44100});
    std::string error;
    if (!device.init(&error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<float> out(2 * 256);
    for (auto _ : state) {
        if (!cached)
            device.clearCache();
        const SampleHandle sample = device.loadSample(file);
        const ChannelHandle channel = device.playPaused(sample);
        device.setVolume(channel, 200);
        device.setPan(channel, 100);
        device.setPaused(channel, false);
        state.PauseTiming();
        device.render(out.data(), 256);
        device.freeSample(sample);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAlLoadAndStart)->ArgName("cached")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vek
