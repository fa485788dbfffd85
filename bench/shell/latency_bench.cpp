// From a key to sound: the shell handles an arrow key in a list and the reached entry's
// recording, or its synthesized name, must sound in the very next block the output mixes
// (10 ms, the mixing period the player asks for). Rendered through OpenAL Soft's loopback
// device. Also the speed of the Czech voice itself.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/system_sounds.h"
#include "common/text_file.h"
#include "player/shell/shell.h"
#include "player/sound/openal_device.h"

namespace vek::player {
namespace {

constexpr int kRate = 44100;
constexpr std::size_t kBlock = 441;  // 10 ms
constexpr int kItems = 60;

class QuietView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& request) override {
        return request.defaultAnswer;
    }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
};

// A quiet 440 Hz tone of half a second, 16-bit mono.
std::string toneWave() {
    const std::uint32_t frames = kRate / 2;
    std::string out = "RIFF";
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(36 + frames * 2, 4);
    out += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(kRate, 4), put(kRate * 2, 4), put(2, 2), put(16, 2);
    out += "data";
    put(frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i)
        put(static_cast<std::uint16_t>(
                static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / kRate))),
            2);
    return out;
}

// A game of `kItems` things carried, each with a name of about 80 characters; with
// `recorded` each has its own recording.
struct Player {
    explicit Player(bool recorded) : device(OpenAlDevice::Options{true, kRate}) {
        dir = std::filesystem::temp_directory_path() /
              ("vek_latency_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "wave");
        old = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        const std::string tone = toneWave();
        std::string scenario = "VEK2 sc\xE9n\xE1\xF8\r\nSTART=a\r\nMAXITEMS=999\r\nINVENTORY=\r\n";
        for (int i = 0; i < kItems; ++i)
            scenario += id(i) + "\r\n";
        scenario += "*\r\nNOVEOKNO=a\r\n";
        for (int i = 0; i < kItems; ++i) {
            scenario += "NOVYPREDMET=" + id(i) + "\r\nVZIT=1\r\n";
            if (!recorded)
                continue;
            const std::string file = "wave\\v" + std::to_string(i) + ".wav";
            writeFileAtomically("wave/v" + std::to_string(i) + ".wav", tone);
            scenario += "NAZEVWAV=s" + std::to_string(i) + "\r\nNOVYWAV=s" + std::to_string(i) +
                        "=x(" + file + ")\r\n";
        }
        writeFileAtomically("borvatin.scn", scenario);
        ShellSetup setup{view, device, clock};
        setup.seed = 1;
        shell = std::make_unique<PlayerShell>(setup);
        shell->FormCreate();
        tick();
        shell->FormKeyDown(vk::Down);
        shell->FormKeyDown(vk::Return);
        shell->FormKeyPress('\r');  // "Nová hra"
        shell->FormKeyPress('\r');  // out of the intro
        shell->FormKeyPress('p');   // the put list
    }
    ~Player() {
        shell.reset();
        std::filesystem::current_path(old);
        std::filesystem::remove_all(dir);
    }
    static std::string id(int i) {
        return "star\xE1_d\xF8\x65v\xECn\xE1_truhla_s_kovan\xFDmi_rohy_a_zrezav\xEDl\xFDm_"
               "z\xE1mkem_ze_sklepa_pod_ml\xFDnem_\xE8\xEDslo_" +
               std::to_string(i);
    }
    void tick() {
        clock.advanceTicks(1);
        shell->Timer1Timer();
    }
    // The first frame of the next block that sounds, or -1.
    long firstSoundingFrame() {
        std::vector<float> out(2 * kBlock);
        device.render(out.data(), kBlock);
        for (std::size_t f = 0; f < kBlock; ++f)
            if (std::fabs(out[2 * f]) > 1e-4f || std::fabs(out[2 * f + 1]) > 1e-4f)
                return static_cast<long>(f);
        return -1;
    }

    std::filesystem::path dir, old;
    QuietView view;
    OpenAlDevice device;
    VirtualClock clock;
    std::unique_ptr<PlayerShell> shell;
};

// One arrow key after another through the list; `warm` lets the idle ticks make the names
// ahead, as they do while the player listens.
void keyToSound(benchmark::State& state, bool recorded, bool warm) {
    Player player(recorded);
    if (player.shell->menuState() != MenuState::PutList)
        return state.SkipWithError("the put list did not open");
    if (!recorded && !player.shell->options().Speech.speakTexts)
        return state.SkipWithError("the voice is switched off");
    if (warm)
        for (int i = 0; i < kItems + 10; ++i)
            player.tick();
    double handlingMs = 0, frames = 0, heard = 0, keys = 0;
    bool down = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        player.shell->FormKeyDown(down ? vk::Down : vk::Up);
        const auto handled = std::chrono::steady_clock::now();
        const long first = player.firstSoundingFrame();
        handlingMs += std::chrono::duration<double, std::milli>(handled - start).count();
        if (first >= 0) {
            frames += first;
            ++heard;
        }
        ++keys;
        if (player.shell->mainBox().selection == kItems - 1 ||
            player.shell->mainBox().selection == 0)
            down = !down;
    }
    state.counters["key_ms"] = handlingMs / keys;
    state.counters["first_frame"] = heard > 0 ? frames / heard : -1;
    state.counters["heard_in_next_block"] = heard / keys;
    state.counters["key_to_sound_ms"] =
        handlingMs / keys + (heard > 0 ? frames / heard : 0) * 1000.0 / kRate;
}

void BM_KeyToRecording(benchmark::State& state) {
    keyToSound(state, true, false);
}
BENCHMARK(BM_KeyToRecording)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_KeyToSpeechMadeAhead(benchmark::State& state) {
    keyToSound(state, false, true);
}
BENCHMARK(BM_KeyToSpeechMadeAhead)->Iterations(300)->Unit(benchmark::kMillisecond);

// Every key reaches an entry not heard before: the whole name is made inside the key handler.
void BM_KeyToSpeechMadeOnTheKey(benchmark::State& state) {
    keyToSound(state, false, false);
}
BENCHMARK(BM_KeyToSpeechMadeOnTheKey)->Iterations(kItems - 1)->Unit(benchmark::kMillisecond);

void BM_CzechVoice200Characters(benchmark::State& state) {
    auto voice = makeSystemSynthesizer();
    if (!voice->Ready())
        return state.SkipWithError(voice->Problem().c_str());
    const std::string sentence =
        "Star\xE1 d\xF8\x65v\xECn\xE1 truhla v rohu sklepa je zam\xE8\x65n\xE1, na v\xEDku "
        "le\x9E\xED prach a v z\xE1mku tr\xE8\xED zrezav\xECl\xFD kl\xED\xE8; kdo ji otev\xF8"
        "e, najde v n\xED star\xFD pergamen s mapou cesty k ml\xFDnu za lesem u potoka, kde "
        "kdysi \x9Eil star\xFD mlyn\xE1\xF8.";
    double audio = 0;
    for (auto _ : state) {
        auto pcm = voice->Synthesize(sentence);
        audio += pcm ? static_cast<double>(pcm->durationMs()) : 0;
    }
    state.counters["chars"] = static_cast<double>(sentence.size());
    state.counters["audio_ms"] = audio / static_cast<double>(state.iterations());
    // Seconds of speech made per second of work.
    state.counters["real_time_factor"] =
        benchmark::Counter(audio / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CzechVoice200Characters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek::player
