// The working windows at scale: replacing everywhere and searching through a large scenario
// with the editors following, and packing a collection of many recordings.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "editor/document/document.h"
#include "editor/ui/replace_form.h"
#include "editor/ui/vlastnosti_form.h"
#include "editor/ui/wavecol_form.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"
#include "tests/editor/ui/fake_search_host.h"

namespace vek::editor {
namespace {

// Replaces the scenario with `count` windows whose three scripts each hold `lines` lines of
// `text` (only the look script with `lookOnly`).
void addWindows(EditorDocument& doc, int count, int lines, const std::string& text,
                bool lookOnly = false) {
    DocumentContent content = EditorDocument::EmptyContent();
    for (int w = 0; w < count; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        for (int l = 0; l < lines; ++l)
            o->LookScript.add(text + " " + std::to_string(l));
        if (!lookOnly) {
            o->ArrivalScript.assign(o->LookScript.items());
            o->DepartureScript.assign(o->LookScript.items());
        }
        content.Windows.add(std::move(o));
    }
    doc.Adopt(std::move(content));
}

struct SearchSetup {
    EditorDocument doc;
    RecordingBoxes boxes;
    FakeMainWindow main{doc};
    Vlastnosti_form properties{doc, boxes, &main};
    Replace_form dialog{doc, main, properties, boxes, &main};
};

// 10,000 occurrences: 1,000 windows with 10 lines, each line holding the word once in its look
// script only.
void BM_ReplaceAllThroughTheDialog(benchmark::State& state) {
    testApplication();
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<SearchSetup>();
        s->doc.ClearDocument();
        addWindows(s->doc, 1000, 10, "[IN(kuchyne,klic)] GO(sklep);", true);
        s->dialog.HledanyEdit->setText("klic");
        s->dialog.NahradaEdit->setText("zamek");
        state.ResumeTiming();
        int n = s->dialog.ReplaceAllCommand();
        state.PauseTiming();
        if (n != 10000)
            state.SkipWithError("not every occurrence was replaced");
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceAllThroughTheDialog)->Unit(benchmark::kMillisecond);

// 2,000 windows with three 20-line scripts each; the only match is in the last window.
void BM_FindAcrossWindows(benchmark::State& state) {
    testApplication();
    SearchSetup s;
    s.doc.ClearDocument();
    addWindows(s.doc, 2000, 20, "[IN(kuchyne,lampa);C05>3] PLAY(zvuk); GO(sklep);");
    s.doc.Show(s.doc.Windows().objectAt(1999));
    s.doc.SetField(Field::DepartureScript,
                   s.doc.FieldText(Field::DepartureScript) + "\r\nGO(poklad);");
    s.dialog.HledanyEdit->setText("poklad");
    for (auto _ : state)
        if (!s.dialog.FindFirstCommand())
            state.SkipWithError("not found");
}
BENCHMARK(BM_FindAcrossWindows)->Unit(benchmark::kMillisecond);

// 500 one-second recordings (16-bit mono at 44.1 kHz) in a scratch directory.
struct Recordings {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("mirela_tools_bench_" + std::to_string(getpid()));
    std::filesystem::path previous = std::filesystem::current_path();
    Recordings() {
        std::filesystem::create_directories(dir / "wave");
        std::filesystem::current_path(dir);
        std::string body(88200, '\0');
        for (std::size_t i = 0; i < body.size(); ++i)
            body[i] = static_cast<char>(i * 7);
        for (int i = 0; i < 500; ++i)
            std::ofstream("wave/r" + std::to_string(i) + ".wav", std::ios::binary)
                << "RIFF" << body;
    }
    ~Recordings() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
};

void BM_CollectionOf500Recordings(benchmark::State& state) {
    testApplication();
    Recordings files;
    EditorDocument doc;
    doc.ClearDocument();
    std::vector<std::string> lines;
    for (int i = 0; i < 500; ++i)
        lines.push_back("r" + std::to_string(i) + "=(wave\\r" + std::to_string(i) + ".wav)");
    doc.ChangeUserSounds({}, std::move(lines));
    RecordingBoxes boxes;
    WaveCol_form form(doc, boxes);
    form.NahraditBox->setChecked(false);
    form.show();
    for (auto _ : state) {
        state.PauseTiming();
        form.Open();
        form.AddAllButt->click();
        form.FileEdit->setText("kolekce.zvk");
        state.ResumeTiming();
        if (!form.CreateCollection())
            state.SkipWithError("no collection");
    }
    state.SetBytesProcessed(state.iterations() * 500 * 88204);
}
BENCHMARK(BM_CollectionOf500Recordings)->Unit(benchmark::kMillisecond);

void BM_CatOfTheSameBytes(benchmark::State& state) {
    Recordings files;
    for (auto _ : state)
        if (std::system("cat wave/*.wav > kopie.bin") != 0)
            state.SkipWithError("cat failed");
    state.SetBytesProcessed(state.iterations() * 500 * 88204);
}
BENCHMARK(BM_CatOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::editor
