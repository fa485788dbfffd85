#include "player/shell/qt/qt_player.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include <QApplication>
#include <QMessageBox>

#include "player/shell/clock.h"
#include "player/shell/qt/player_handlers.h"
#include "player/shell/qt/vek2_form.h"
#include "player/shell/qt/vek2_splash.h"
#include "player/shell/shell.h"
#include "player/sound/sound_device.h"
#if __has_include("player/sound/openal_device.h")
#include "player/sound/openal_device.h"
#define VEK_HAVE_OPENAL_DEVICE 1
#endif

namespace vek {
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

#ifndef VEK_HAVE_OPENAL_DEVICE
// A build without the OpenAL output: opening fails, and the player says so once and plays
// silently, exactly as on a machine without a sound card.
class NoOutputDevice : public SoundDevice {
  public:
    bool init(std::string* error) override {
        if (error)
            *error = "Zvukov\xFD v\xFDstup nen\xED v t\xE9to sestav\xEC k dispozici";
        return false;
    }
    void close() override {}
    SampleHandle loadSample(const std::filesystem::path&) override { return 0; }
    void freeSample(SampleHandle) override {}
    ChannelHandle playPaused(SampleHandle) override { return -1; }
    void stop(ChannelHandle) override {}
    void setPaused(ChannelHandle, bool) override {}
    bool paused(ChannelHandle) const override { return false; }
    bool isPlaying(ChannelHandle) const override { return false; }
    void setVolume(ChannelHandle, int) override {}
    int volume(ChannelHandle) const override { return 0; }
    void setPan(ChannelHandle, int) override {}
    int pan(ChannelHandle) const override { return 128; }
    void setLoop(ChannelHandle, bool) override {}
    bool loop(ChannelHandle) const override { return false; }
    void setPosition(ChannelHandle, std::uint32_t) override {}
    std::uint32_t position(ChannelHandle) const override { return 0; }
};
using OutputDevice = NoOutputDevice;
#else
using OutputDevice = OpenAlDevice;
#endif

// Probability conditions draw from a source seeded once per run from a high-resolution counter.
std::uint32_t startSeed() {
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

int runQtPlayer(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VEK2"));
    Arguments args = parseArguments(argc, argv);

    VEK2_splash splash;
    splash.showText(QString::fromUtf8("Inicializace DirectX..."));
    QApplication::processEvents();

    try {
        OutputDevice device;
        SystemClock clock;
        VEK2_form form(&splash);
        ShellSetup setup{form, device, clock};
        setup.seed = startSeed();
        setup.trace = args.trace;
        setup.scenarioArgument = args.scenario;
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
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromUtf8(error.what()));
        return 1;
    }
}

}  // namespace vek
