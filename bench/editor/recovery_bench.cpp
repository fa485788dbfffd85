// The recovery copy of the large scenario: the part on the window's thread (the snapshot, a slice
// of entities between two events) and the part on the writing thread (bytes and the atomic write).
#include <algorithm>
#include <chrono>

#include <benchmark/benchmark.h>

#include "bench/large_scenario.h"
#include "common/text_file.h"
#include "editor/document/recovery_store.h"

namespace vek::editor {
namespace {

EditorDocument& largeDocument() {
    static EditorDocument* doc = [] {
        auto* d = new EditorDocument;
        OpenScenario(*d, bench::scenario().file, {});
        return d;
    }();
    return *doc;
}

// Every slice of one snapshot: the mean is what one event waits; "longest_ms" is the longest wait
// the window had, "window_ms" all of the window's time for one copy.
void BM_RecoverySnapshotSlices(benchmark::State& state) {
    const EditorDocument& doc = largeDocument();
    double longest = 0, total = 0;
    std::size_t slices = 0;
    for (auto _ : state) {
        SnapshotBuilder builder(doc, RecoveryStore::kSlice);
        builder.restart();
        total = 0;
        slices = 0;
        for (bool done = false; !done;) {
            auto t0 = std::chrono::steady_clock::now();
            done = builder.step();
            double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count();
            longest = std::max(longest, ms);
            total += ms;
            ++slices;
        }
        benchmark::DoNotOptimize(builder.take());
    }
    state.counters["slices"] = static_cast<double>(slices);
    state.counters["longest_ms"] = longest;
    state.counters["window_ms"] = total;
}
BENCHMARK(BM_RecoverySnapshotSlices)->Unit(benchmark::kMillisecond);

// The writing thread's part: the snapshot turned into the file's bytes and written atomically.
void BM_RecoveryWrite(benchmark::State& state) {
    DocumentSnapshot snapshot = TakeSnapshot(largeDocument());
    std::filesystem::path out = bench::scenario().dir / "obnova.scn";
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFileAtomically(out, ScenarioBytes(snapshot)));
    state.counters["MB"] = static_cast<double>(bench::scenario().bytes) / 1e6;
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

// For comparison: the whole copy on the window's thread at once, as a save does it.
void BM_RecoveryBytesAtOnce(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ScenarioBytes(largeDocument()));
}
BENCHMARK(BM_RecoveryBytesAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::editor
