// Undo of the edits that touch the most of a scenario, and what the history holds on the large
// scenario after such edits.
#include <string>

#include <benchmark/benchmark.h>

#include "bench/large_scenario.h"
#include "editor/document/scenario_io.h"
#include "editor/document/search.h"

namespace vek::editor {
namespace {

class NoView : public SearchView {
  public:
    bool ShowHit(const SearchHit&) override { return false; }
};

// "Cil" and 2,000 windows with a path to it; "Cil" is shown and deleted.
void BM_UndoDeleteOfWindowReferencedFromTwoThousand(benchmark::State& state) {
    DocumentContent content = EditorDocument::EmptyContent();
    auto target = std::make_unique<TOkna>();
    target->Name = "Cil";
    const TOkna* cil = content.Windows.add(std::move(target));
    for (int w = 0; w < 2000; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        o->Paths.assign({"Okno_" + std::to_string(w + 1), "Cil", "Jinam"});
        o->LookScript.assign({"Okno " + std::to_string(w), "[P01=1] GO(Cil);"});
        content.Windows.add(std::move(o));
    }
    EditorDocument doc;
    doc.Adopt(std::move(content));
    doc.Show(cil);
    doc.DeleteShownWindow();
    for (auto _ : state) {
        doc.Undo();
        state.PauseTiming();
        doc.Redo();
        state.ResumeTiming();
    }
    state.counters["history_kB"] = static_cast<double>(doc.History().bytes()) / 1024;
}
BENCHMARK(BM_UndoDeleteOfWindowReferencedFromTwoThousand)->Unit(benchmark::kMillisecond);

// 10,000 occurrences: 1,000 windows with the word once in each of ten lines.
void BM_UndoReplaceAllOfTenThousand(benchmark::State& state) {
    DocumentContent content = EditorDocument::EmptyContent();
    for (int w = 0; w < 1000; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        for (int l = 0; l < 10; ++l)
            o->LookScript.add("[IN(kuchyne,klic)] GO(sklep); " + std::to_string(l));
        content.Windows.add(std::move(o));
    }
    EditorDocument doc;
    doc.Adopt(std::move(content));
    NoView view;
    TReplaceForm search(doc, view);
    if (search.ReplaceAll("klic", "zamek") != 10000 || doc.History().undoCount() != 1)
        state.SkipWithError("not one step of 10,000 replacements");
    for (auto _ : state) {
        doc.Undo();
        state.PauseTiming();
        doc.Redo();
        state.ResumeTiming();
    }
    state.counters["history_kB"] = static_cast<double>(doc.History().bytes()) / 1024;
}
BENCHMARK(BM_UndoReplaceAllOfTenThousand)->Unit(benchmark::kMillisecond);

// The 5 MB scenario after a replacement in every window's look script (20,000 occurrences), a
// deletion, a rename and some typing: the time of undoing it all and the history's size.
void BM_HistoryOfTheLargeScenario(benchmark::State& state) {
    EditorDocument doc;
    if (!OpenScenario(doc, bench::scenario().file, {}).ok()) {
        state.SkipWithError("the large scenario cannot be read");
        return;
    }
    NoView view;
    TReplaceForm search(doc, view);
    int replaced = search.ReplaceAll("Vidis", "Spatris");
    doc.ShowNamed(EntityKind::Window, "Okno5");
    doc.DeleteShownWindow();
    doc.ShowNamed(EntityKind::Window, "Okno7");
    doc.Rename(EntityKind::Window, "Sedme_okno");
    for (int i = 0; i < 100; ++i)
        doc.SetField(Field::Kam, "do okna " + std::to_string(i));
    for (auto _ : state) {
        while (doc.CanUndo())
            doc.Undo();
        state.PauseTiming();
        while (doc.CanRedo())
            doc.Redo();
        state.ResumeTiming();
    }
    state.counters["replaced"] = replaced;
    state.counters["history_MB"] = static_cast<double>(doc.History().bytes()) / (1024 * 1024);
}
BENCHMARK(BM_HistoryOfTheLargeScenario)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::editor
