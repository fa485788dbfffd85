// The player's steady costs: one idle timer tick in the system menu (the window ticks ten
// times a second for as long as it is open) and one arrow key in a long list.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "common/text_file.h"
#include "player/shell/shell.h"
#include "player/sound/virtual_device.h"

namespace vek::player {
namespace {

class QuietView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& request) override {
        return request.defaultAnswer;
    }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
};

// A player started in a directory of its own, left there when done.
struct Player {
    Player() {
        dir = std::filesystem::temp_directory_path() /
              ("vek_shell_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        old = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        std::string scenario = "VEK2 sc\xE9n\xE1\xF8\r\nSTART=a\r\nINVENTORY=\r\n";
        for (int i = 0; i < 500; ++i)
            scenario += "vec" + std::to_string(i) + "\r\n";
        scenario += "*\r\nNOVEOKNO=a\r\n";
        for (int i = 0; i < 500; ++i)
            scenario += "NOVYPREDMET=vec" + std::to_string(i) + "\r\nVZIT=1\r\n";
        writeFileAtomically("borvatin.scn", scenario);
        ShellSetup setup{view, device, clock};
        setup.seed = 1;
        setup.synthesizer = &voice;  // the shell's own cost, not the installed voice's
        shell = std::make_unique<PlayerShell>(setup);
        shell->FormCreate();
    }
    ~Player() {
        shell.reset();
        std::filesystem::current_path(old);
        std::filesystem::remove_all(dir);
    }
    void tick() {
        clock.advanceTicks(1);
        device.advance(100);
        shell->Timer1Timer();
    }

    std::filesystem::path dir, old;
    QuietView view;
    VirtualDevice device;
    VirtualClock clock;
    FixedLengthSynthesizer voice;
    std::unique_ptr<PlayerShell> shell;
};

void BM_IdleTickInSystemMenu(benchmark::State& state) {
    Player player;
    for (auto _ : state)
        player.tick();
}
BENCHMARK(BM_IdleTickInSystemMenu);

void BM_DownInAListOf500(benchmark::State& state) {
    Player player;
    player.tick();
    player.shell->FormKeyDown(vk::Down);
    player.shell->FormKeyDown(vk::Return);
    player.shell->FormKeyPress('\r');  // "Nová hra"
    player.shell->FormKeyPress('\r');  // out of the intro
    player.shell->FormKeyPress('p');   // the put list: 500 things carried
    if (player.shell->menuState() != MenuState::PutList)
        state.SkipWithError("the put list did not open");
    for (auto _ : state) {
        player.shell->FormKeyDown(vk::Down);
        player.tick();
    }
}
BENCHMARK(BM_DownInAListOf500);

}  // namespace
}  // namespace vek::player
