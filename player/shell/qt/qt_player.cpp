#include "player/shell/qt/qt_player.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include <QApplication>

#include "common/qt/message_boxes.h"
#include "player/shell/clock.h"
#include "player/shell/qt/player_handlers.h"
#include "player/shell/qt/vek2_form.h"
#include "player/shell/qt/vek2_splash.h"
#include "player/shell/shell.h"
#include "player/sound/openal_device.h"

namespace vek::player {
namespace {

struct Arguments {
    std::string scenario;
    bool trace = false;
};

Arguments parseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--trace")
            args.trace = true;
        else if (args.scenario.empty() && !arg.starts_with("-"))
            args.scenario = arg;  // as typed; the shell reads it as a file name
    }
    return args;
}

// Probability conditions draw from a source seeded once per run from a high-resolution counter.
std::uint32_t startSeed() {
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

int runQtPlayer(int argc, char** argv, const PlayerPlaces& places) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VEK2"));
    Arguments args = parseArguments(argc, argv);

    VEK2_splash splash;
    splash.showText(QString::fromUtf8("Inicializace DirectX..."));
    QApplication::processEvents();

    try {
        OpenAlDevice device;
        SystemClock clock;
        VEK2_form form(&splash);
        ShellSetup setup{form, device, clock};
        setup.seed = startSeed();
        setup.trace = args.trace;
        setup.scenarioArgument = args.scenario;
        setup.places = places;
        PlayerShell shell(setup);
        ShellHandlers handlers(shell);
        form.attach(&handlers);
        shell.FormCreate();
        splash.hide();
        if (shell.quitRequested())
            return 0;
        form.show();
        form.activateWindow();
        form.setTimerEnabled(true);
        int status = QApplication::exec();
        form.setTimerEnabled(false);
        form.attach(nullptr);
        return status;
    } catch (const std::exception& error) {
        splash.hide();
        defaultMessageBoxes().show(
            nullptr, MessageRequest::of(BoxCaption::Fatal, QString::fromUtf8(error.what())));
        return 1;
    }
}

}  // namespace vek::player
