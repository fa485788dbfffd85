// The browser player: the page (page/player.js) prepares the game directory and calls main with
//   [--test] --dir DIR [SCENARIO]
// --test plays on virtual time with a silent device, writing the walkthrough transcript, for the
// browser tests; without it the player sounds through Web Audio on the page's clock.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/cp1250.h"
#include "player/shell/clock.h"
#include "player/shell/shell.h"
#include "player/shell/walk_transcript.h"
#include "player/sound/speech_synthesizer.h"
#include "player/sound/virtual_device.h"
#include "player/web/page_bridge.h"
#include "player/web/page_loop.h"
#include "player/web/web_audio_device.h"
#include "player/web/web_view.h"

namespace {

struct Arguments {
    bool test = false;
    std::string dir = ".";
    std::string scenario;
};

Arguments parseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--test")
            args.test = true;
        else if (arg == "--dir" && i + 1 < argc)
            args.dir = argv[++i];
        else if (args.scenario.empty())
            args.scenario = vek::utf8ToCp1250(std::string(arg)).value_or(std::string(arg));
    }
    return args;
}

// Creates the shell over `view`, plays until the page closes and closes the shell.
void play(vek::web::PageLoop& loop, vek::web::WebView& view, vek::player::ShellSetup setup,
          vek::player::WalkTranscript* transcript, bool firstTick) {
    vek::player::PlayerShell shell(setup);
    view.attach(&shell);
    loop.attach(&shell, transcript);
    shell.FormCreate();
    if (!shell.quitRequested()) {
        loop.setTimerEnabled(true);
        if (firstTick)
            loop.tick();  // as VEK2 --walk: the window's timer fires once before any key
        loop.run();
    }
    loop.setTimerEnabled(false);
    shell.FormClose();
    if (transcript)
        transcript->quit();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vek;
    Arguments args = parseArguments(argc, argv);
    std::error_code ec;
    std::filesystem::current_path(args.dir, ec);

    if (args.test) {
        player::VirtualClock clock;
        VirtualDevice device;
        FixedLengthSynthesizer voice;
        player::WalkTranscript transcript(
            [](const std::string& line) { vek_page_transcript(cp1250ToUtf8(line).c_str()); });
        web::PageLoop loop(web::SteppedTime{clock, device});
        web::WebView view(loop, &transcript);
        player::ShellSetup setup{view, device, clock};
        setup.seed = 1;
        setup.scenarioArgument = args.scenario;
        setup.observer = &transcript;
        setup.synthesizer = &voice;
        play(loop, view, setup, &transcript, true);
    } else {
        player::SystemClock clock;
        web::WebAudioDevice device;
        web::PageLoop loop(std::nullopt);
        web::WebView view(loop, nullptr);
        player::ShellSetup setup{view, device, clock};
        auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        setup.seed = static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
        setup.scenarioArgument = args.scenario;
        play(loop, view, setup, nullptr, false);
    }
    vek_page_closed();
    return 0;
}
