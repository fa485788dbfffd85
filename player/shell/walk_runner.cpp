#include "player/shell/walk_runner.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/text_file.h"
#include "player/shell/shell.h"
#include "player/shell/walk_keys.h"
#include "player/shell/walk_transcript.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek::player {

namespace {

constexpr long kMaxWaitTicks = 6000;

// UTF-8 (not code page 1250): the help goes straight to the terminal.
constexpr std::string_view kUsage =
    "Použití: VEK2 [SCÉNÁŘ] [--trace]\n"
    "       VEK2 --walk KLÁVESY [SCÉNÁŘ] [--seed N] [--timestamps] [--trace]\n"
    "\n"
    "  --walk KLÁVESY  projde hru podle souboru kláves bez okna a bez zvukové karty\n"
    "                  a vypíše záznam toho, co hráč ukazuje a říká\n"
    "  --seed N        počáteční hodnota náhody (výchozí 1)\n"
    "  --timestamps    každý řádek záznamu začne číslem tiku\n"
    "  --trace         zapisuje průběh do report.txt\n"
    "  --help          tato nápověda\n"
    "  --version       verze programu\n";

struct WalkOptions {
    std::string keyFile;
    std::string scenario;
    std::uint32_t seed = 1;
    bool timestamps = false;
    bool trace = false;
    PlayerPlaces places;
};

class WalkRunner : public ShellView {
  public:
    WalkRunner(const WalkOptions& options, std::vector<WalkToken> tokens, std::ostream& out)
        : options_(options), tokens_(std::move(tokens)), out_(out) {}

    int run() {
        ShellSetup setup{*this, device_, clock_};
        setup.seed = options_.seed;
        setup.trace = options_.trace;
        setup.scenarioArgument = options_.scenario;
        setup.places = options_.places;
        setup.observer = &transcript_;
        setup.synthesizer = &voice_;
        shell_ = std::make_unique<PlayerShell>(setup);
        shell_->FormCreate();
        // The window's timer fires once as soon as the window is up, before any key can come.
        tick();
        while (!closed_ && step()) {
        }
        if (!closed_) {
            waitQuiet();
            close();
        }
        shell_.reset();
        return 0;
    }

    // ShellView
    void memoCleared() override { transcript_.memoCleared(); }
    void memoLineAdded(const std::string& line) override { transcript_.memoLineAdded(line); }
    void menuBuilt() override { transcript_.menuBuilt(*shell_); }
    void waitStarted(WaitKind kind) override { transcript_.waitStarted(kind); }
    BoxAnswer messageBox(const MessageBoxRequest& request) override {
        transcript_.messageBox(request);
        return request.defaultAnswer;
    }
    void showOptions(TOptionsForm&) override { transcript_.optionsShown(); }
    void waitWhile(const std::function<bool()>& waiting) override {
        while (!closed_ && waiting()) {
            if (!step()) {
                waitQuiet();
                close();
            }
        }
    }
    void closeWindow() override { closeRequested_ = true; }
    // As in the window: time goes on, but a stopped timer does not reach the player.
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }

  private:
    void emit(const std::string& cp1250Line) {
        if (closed_)
            return;
        if (options_.timestamps)
            out_ << '[' << clock_.ticks() << "] ";
        out_ << cp1250ToUtf8(cp1250Line) << '\n';
    }

    void tick() {
        clock_.advanceTicks(1);
        device_.advance(100);
        if (timerEnabled_)
            shell_->Timer1Timer();
        closeIfAsked();
    }

    void waitQuiet() {
        for (long i = 0; i < kMaxWaitTicks && !closed_ && !shell_->soundIdle(); ++i)
            tick();
    }

    void close() {
        if (closed_)
            return;
        shell_->FormClose();
        transcript_.quit();
        closed_ = true;
    }

    void closeIfAsked() {
        if (closeRequested_)
            close();
    }

    void press(const WalkToken& token, int keyCode, char ch, bool producesChar) {
        transcript_.beforeKey(*shell_);
        shell_->FormKeyDown(keyCode, token.shift);
        transcript_.afterKey(*shell_);
        if (producesChar && !closed_)
            shell_->FormKeyPress(ch);
        closeIfAsked();
    }

    // Processes the next token; false when the file has none left.
    bool step() {
        if (next_ >= tokens_.size())
            return false;
        const WalkToken& token = tokens_[next_++];
        bool isKey = token.kind == WalkToken::Kind::Key || token.kind == WalkToken::Kind::Type;
        if (isKey && !token.immediate)
            waitQuiet();
        transcript_.token(cp1250Text(token));
        switch (token.kind) {
            case WalkToken::Kind::Key:
                press(token, token.keyCode, token.chars.empty() ? '\0' : token.chars[0],
                      !token.chars.empty());
                break;
            case WalkToken::Kind::Type:
                for (char c : token.chars) {
                    if (closed_)
                        break;
                    press(token, VirtualKeyForChar(c), c, true);
                }
                break;
            case WalkToken::Kind::Tick:
                for (long i = 0; i < token.ticks && !closed_; ++i)
                    tick();
                break;
            case WalkToken::Kind::Wait:
                waitQuiet();
                break;
        }
        return true;
    }

    // The token as written, in code page 1250 like every other transcript text.
    static std::string cp1250Text(const WalkToken& token) {
        return utf8ToCp1250(token.written).value_or(token.written);
    }

    WalkOptions options_;
    std::vector<WalkToken> tokens_;
    std::size_t next_ = 0;
    std::ostream& out_;
    VirtualClock clock_;
    VirtualDevice device_;
    // Speech of the same length on every machine, whichever voice is installed.
    FixedLengthSynthesizer voice_;
    WalkTranscript transcript_{[this](const std::string& line) { emit(line); }};
    std::unique_ptr<PlayerShell> shell_;
    bool closeRequested_ = false;
    bool closed_ = false;
    bool timerEnabled_ = true;
};

std::optional<WalkOptions> parseArguments(int argc, char** argv, std::ostream& err) {
    WalkOptions options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--walk") {
            if (i + 1 >= argc) {
                err << "VEK2: --walk potřebuje soubor kláves\n";
                return std::nullopt;
            }
            options.keyFile = argv[++i];
        } else if (arg == "--seed") {
            std::string_view n = i + 1 < argc ? argv[++i] : "";
            auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), options.seed);
            if (ec != std::errc() || end != n.data() + n.size()) {
                err << "VEK2: --seed potřebuje celé číslo\n";
                return std::nullopt;
            }
        } else if (arg == "--timestamps") {
            options.timestamps = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg.starts_with("--")) {
            err << "VEK2: neznámý přepínač " << arg << "\n";
            return std::nullopt;
        } else {
            positional.emplace_back(arg);
        }
    }
    if (options.keyFile.empty() || positional.size() > 1) {
        err << kUsage;
        return std::nullopt;
    }
    if (!positional.empty())
        options.scenario = positional.front();
    return options;
}

bool hasArgument(int argc, char** argv, std::string_view wanted) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] == wanted)
            return true;
    return false;
}

}  // namespace

bool wantsWalkthrough(int argc, char** argv) {
    return hasArgument(argc, argv, "--walk") || hasArgument(argc, argv, "--help") ||
           hasArgument(argc, argv, "--version");
}

int runWalkthrough(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const PlayerPlaces& places) {
    if (hasArgument(argc, argv, "--help")) {
        out << kUsage;
        return 0;
    }
    if (hasArgument(argc, argv, "--version")) {
        out << "VEK2 " << VEK_VERSION << "\n";
        return 0;
    }
    auto options = parseArguments(argc, argv, err);
    if (!options)
        return 2;
    options->places = places;
    auto bytes = readFileBytes(options->keyFile);
    if (!bytes) {
        err << options->keyFile << ":0: soubor kláves nelze přečíst\n";
        return 2;
    }
    WalkParseError error;
    auto tokens = ParseWalkKeys(*bytes, &error);
    if (!tokens) {
        err << options->keyFile << ":" << error.line << ": " << error.message << "\n";
        return 2;
    }
    return WalkRunner(*options, std::move(*tokens), out).run();
}

}  // namespace vek::player
