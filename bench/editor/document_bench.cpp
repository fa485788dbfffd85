// Costs the author notices: opening and saving a large scenario, renaming a much-referenced
// window, replacing everywhere, and keeping name lists sorted while they grow.
#include <filesystem>
#include <random>

#include <benchmark/benchmark.h>

#include "bench/large_scenario.h"
#include "common/text_file.h"
#include "editor/document/scenario_io.h"
#include "editor/document/search.h"

namespace vek::editor {
namespace {

// The large scenario the player's benchmarks load, and where it is saved to.
struct Files {
    const bench::LargeScenario& scenario = bench::scenario();
    std::filesystem::path in = scenario.file;
    std::filesystem::path out = scenario.dir / "ulozeny.scn";
    std::size_t size = scenario.bytes;
};

const Files& files() {
    static Files f;
    return f;
}

void BM_OpenAndSaveLargeScenario(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        EditorDocument doc;
        OpenResult opened = OpenScenario(doc, f.in, {});
        SaveResult saved = SaveScenario(doc, f.out);
        benchmark::DoNotOptimize(opened.ok() && saved.ok);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.size));
    state.counters["MB"] = static_cast<double>(f.size) / 1e6;
}
BENCHMARK(BM_OpenAndSaveLargeScenario)->Unit(benchmark::kMillisecond);

void BM_PlainReadAndWriteSameBytes(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        auto bytes = readFileBytes(f.in);
        benchmark::DoNotOptimize(writeFileAtomically(f.out, *bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.size));
}
BENCHMARK(BM_PlainReadAndWriteSameBytes)->Unit(benchmark::kMillisecond);

void BM_RenameWindowWithTwoThousandPathsToIt(benchmark::State& state) {
    DocumentContent content = EditorDocument::EmptyContent();
    auto target = std::make_unique<TOkna>();
    target->Name = "Cil";
    const TOkna* shown = content.Windows.add(std::move(target));
    for (int w = 0; w < 2000; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        o->Paths.assign({"Okno_" + std::to_string(w + 1), "Cil", "Jinam"});
        content.Windows.add(std::move(o));
    }
    EditorDocument doc;
    doc.Adopt(std::move(content));
    doc.Show(shown);
    bool flip = false;
    for (auto _ : state) {
        doc.Rename(EntityKind::Window, flip ? "Cil" : "Novy_cil");
        flip = !flip;
    }
}
BENCHMARK(BM_RenameWindowWithTwoThousandPathsToIt)->Unit(benchmark::kMillisecond);

class NoView : public SearchView {
  public:
    bool ShowHit(const SearchHit&) override { return false; }
};

void BM_ReplaceAllTenThousandOccurrences(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        DocumentContent content = EditorDocument::EmptyContent();
        for (int w = 0; w < 2000; ++w) {
            auto o = std::make_unique<TOkna>();
            o->Name = "Okno_" + std::to_string(w);
            o->LookScript.assign({"[IN(A,klic)] PLAY(klic); GO(x);", "klic a klic"});
            o->DepartureScript.assign({"SET(S01,\"klic\");", "nic"});
            content.Windows.add(std::move(o));
        }
        EditorDocument doc;
        doc.Adopt(std::move(content));
        NoView view;
        TReplaceForm form(doc, view);
        form.options.wholeWords = true;
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.ReplaceAll("klic", "dvere"));
    }
}
BENCHMARK(BM_ReplaceAllTenThousandOccurrences)->Unit(benchmark::kMillisecond);

void BM_SortedInsertionOneByOne(benchmark::State& state) {
    std::vector<std::string> names;
    std::mt19937 random(7);
    for (int i = 0; i < state.range(0); ++i)
        names.push_back("Jm\xE9no_" + std::to_string(random()));
    for (auto _ : state) {
        // Only the additions are timed, not making and destroying the windows.
        state.PauseTiming();
        std::vector<std::unique_ptr<TOkna>> windows;
        for (const auto& n : names) {
            windows.push_back(std::make_unique<TOkna>());
            windows.back()->Name = n;
        }
        auto list = std::make_unique<SortedNamedList<TOkna>>();
        state.ResumeTiming();
        for (auto& w : windows)
            list->add(std::move(w));
        benchmark::DoNotOptimize(list->nameAt(0));
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortedInsertionOneByOne)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

}  // namespace
}  // namespace vek::editor
