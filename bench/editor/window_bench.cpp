// The editor's window with a large scenario, offscreen: opening it until the window is ready for
// a key, and stepping from window to window with Ctrl+Down.
#include <filesystem>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "bench/large_scenario.h"
#include "common/text_file.h"
#include "editor/document/scenario_io.h"
#include "editor/ui/mirela2_form.h"

namespace vek::editor {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "mirela_window_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Nobody answers: a benchmark never asks.
class Silent : public MessageBoxes,
               public FileDialogs,
               public EditorPrompts,
               public Desktop,
               public PlacementStore {
  public:
    BoxAnswer show(QWidget*, const MessageRequest&) override { return BoxAnswer::Cancel; }
    std::optional<std::string> openScenario() override { return {}; }
    std::optional<SaveChoice> saveScenario(bool) override { return {}; }
    std::vector<std::string> openSounds(bool) override { return {}; }
    std::optional<std::string> password() override { return {}; }
    std::optional<std::string> name(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> choose(const std::string&,
                                      const std::vector<std::string>&) override {
        return {};
    }
    std::optional<SoundFields> sound(const SoundDialogRequest&) override { return {}; }
    void togglePreview(const std::string&) override {}
    void about() override {}
    bool openDocument(const std::filesystem::path&) override { return false; }
    std::optional<std::filesystem::path> findPlayer() override { return {}; }
    bool startProgram(const std::filesystem::path&, const std::vector<std::string>&,
                      const std::filesystem::path&) override {
        return false;
    }
    std::optional<std::string> value(std::string_view) const override { return {}; }
    void setValue(std::string_view, std::string_view) override {}
};

struct Window {
    Silent silent;
    TMenuFilesList recent;
    EditorDocument doc;
    Mirela2_form form{doc, {silent, silent, silent, silent, silent, recent}};
    Window() {
        form.start();
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }
};

std::filesystem::path benchFile(const char* name, const std::string& bytes) {
    const std::filesystem::path& dir = bench::scenario().dir;
    writeFileAtomically(dir / name, bytes);
    return dir / name;
}

void BM_OpenLargeScenarioInTheWindow(benchmark::State& state) {
    application();
    const bench::LargeScenario& scenario = bench::scenario();
    const std::filesystem::path& path = scenario.file;
    Window window;
    for (auto _ : state) {
        bool opened = window.form.OpenScenario(path.string());
        QApplication::processEvents();  // ready for the next key
        benchmark::DoNotOptimize(opened);
    }
    state.counters["MB"] = static_cast<double>(scenario.bytes) / 1e6;
}
BENCHMARK(BM_OpenLargeScenarioInTheWindow)->Unit(benchmark::kMillisecond);

// 2,000 windows, each with 100 paths and 100 items.
std::string crowdedScenario() {
    DocumentContent content = EditorDocument::EmptyContent();
    for (int w = 0; w < 2000; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        o->LookScript.assign({"Okno cislo " + std::to_string(w), "[FIRST] PLAY(uvod);"});
        for (int i = 0; i < 100; ++i) {
            o->Paths.add("Okno_" + std::to_string((w + i + 1) % 2000));
            o->Items.add("Vec_" + std::to_string((w + i) % 5000));
        }
        content.Windows.add(std::move(o));
    }
    for (int i = 0; i < 5000; ++i) {
        auto p = std::make_unique<TPredmet>();
        p->Name = "Vec_" + std::to_string(i);
        content.Items.add(std::move(p));
    }
    EditorDocument doc;
    doc.Adopt(std::move(content));
    return ScenarioBytes(doc);
}

void BM_CtrlDownFromWindowToWindow(benchmark::State& state) {
    application();
    auto path = benchFile("plny.scn", crowdedScenario());
    Window window;
    window.form.OpenScenario(path.string());
    QWidget* focus = window.form.findChild<QPlainTextEdit*>("RozhlEdit");
    focus->setFocus();
    for (auto _ : state) {
        if (window.doc.ShownWindow() ==
            window.doc.Windows().objectAt(window.doc.Windows().size() - 1)) {
            state.PauseTiming();
            window.doc.Show(window.doc.Windows().objectAt(0));
            state.ResumeTiming();
        }
        QTest::keyClick(focus, Qt::Key_Down, Qt::ControlModifier);
    }
}
BENCHMARK(BM_CtrlDownFromWindowToWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::editor
