// The player's real voice: espeak-ng's Czech voice, rendered synchronously in the player's own
// process into memory. Built only where the library was found; elsewhere the player speaks with
// recordings alone.
#include "player/sound/speech_synthesizer.h"

#ifdef VEK_HAVE_ESPEAK

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstdlib>

#include "common/cp1250.h"

namespace vek {
namespace {

constexpr int kNormalWordsPerMinute = 175;  // espeak-ng's own default speed
constexpr int kQuiet = 48;                  // below this a sample counts as silence

// The library keeps one global state, so the process has one engine, set up on first use.
class Engine {
  public:
    static Engine& instance() {
        static Engine engine;
        return engine;
    }
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    int sampleRate() const { return sampleRate_; }

    std::optional<SpeechPcm> synthesize(const std::string& utf8, int wordsPerMinute) {
        if (!ready())
            return std::nullopt;
        if (wordsPerMinute != wordsPerMinute_) {
            espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
            wordsPerMinute_ = wordsPerMinute;
        }
        SpeechPcm pcm;
        pcm.rate = sampleRate_;
        target_ = &pcm.samples;
        const espeak_ERROR result = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                                 espeakCHARS_UTF8, nullptr, nullptr);
        target_ = nullptr;
        if (result != EE_OK)
            return std::nullopt;
        trimSilence(pcm.samples);
        if (pcm.samples.empty())
            return std::nullopt;
        return pcm;
    }

  private:
    Engine() {
        // DONT_EXIT: a missing data directory must not end the player.
        sampleRate_ =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (sampleRate_ <= 0) {
            problem_ = "espeak-ng: its data cannot be loaded";
            return;
        }
        initialised_ = true;
        espeak_SetSynthCallback(&Engine::collect);
        if (espeak_SetVoiceByName("cs") != EE_OK) {
            problem_ = "espeak-ng: the Czech voice is not installed";
            return;
        }
        espeak_SetParameter(espeakRATE, kNormalWordsPerMinute, 0);
    }
    ~Engine() {
        if (initialised_)
            espeak_Terminate();
    }

    static int collect(short* wav, int count, espeak_EVENT*) {
        if (wav && count > 0 && instance().target_)
            instance().target_->insert(instance().target_->end(), wav, wav + count);
        return 0;
    }

    // The voice's lead-in and trailing silence would only delay the answer to a key.
    static void trimSilence(std::vector<std::int16_t>& samples) {
        auto loud = [](std::int16_t s) { return std::abs(int(s)) >= kQuiet; };
        auto first = std::find_if(samples.begin(), samples.end(), loud);
        auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
        if (first >= last) {
            samples.clear();
            return;
        }
        samples.erase(last, samples.end());
        samples.erase(samples.begin(), first);
    }

    std::string problem_;
    std::vector<std::int16_t>* target_ = nullptr;
    int sampleRate_ = 0;
    int wordsPerMinute_ = kNormalWordsPerMinute;
    bool initialised_ = false;
};

class EspeakSynthesizer : public SpeechSynthesizer {
  public:
    bool Ready() const override { return Engine::instance().ready(); }
    std::string Problem() const override { return Engine::instance().problem(); }
    void SetRate(int percent) override {
        wordsPerMinute_ = kNormalWordsPerMinute * std::clamp(percent, kMinRate, kMaxRate) / 100;
    }
    std::optional<SpeechPcm> Synthesize(std::string_view text) override {
        if (text.find_first_not_of(' ') == std::string_view::npos)
            return std::nullopt;
        return Engine::instance().synthesize(cp1250ToUtf8(text), wordsPerMinute_);
    }

  private:
    int wordsPerMinute_ = kNormalWordsPerMinute;
};

}  // namespace

std::unique_ptr<SpeechSynthesizer> makeSystemSynthesizer() {
    return std::make_unique<EspeakSynthesizer>();
}

}  // namespace vek

#else

namespace vek {
namespace {

class MissingSynthesizer : public SpeechSynthesizer {
  public:
    bool Ready() const override { return false; }
    std::string Problem() const override { return "built without espeak-ng: no synthetic voice"; }
    void SetRate(int) override {}
    std::optional<SpeechPcm> Synthesize(std::string_view) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<SpeechSynthesizer> makeSystemSynthesizer() {
    return std::make_unique<MissingSynthesizer>();
}

}  // namespace vek

#endif
