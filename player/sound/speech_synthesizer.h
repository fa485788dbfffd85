// Synthetic speech for the texts a scenario has no recording for. The real synthesizer renders
// with espeak-ng's Czech voice; FixedLengthSynthesizer gives every text the same length on every
// machine, so walkthrough transcripts do not depend on which voice is installed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

struct SpeechPcm {
    std::vector<std::int16_t> samples;  // mono
    int rate = 0;                       // frames a second
    std::uint64_t durationMs() const {
        return rate > 0 ? samples.size() * 1000 / static_cast<std::uint64_t>(rate) : 0;
    }
    std::size_t bytes() const { return samples.size() * sizeof(std::int16_t); }
};

class SpeechSynthesizer {
  public:
    static constexpr int kMinRate = 50;  // percent of the normal speed
    static constexpr int kMaxRate = 300;
    static constexpr int kNormalRate = 100;

    virtual ~SpeechSynthesizer() = default;
    // Whether it can speak at all; when not, Problem() says why, for the trace.
    virtual bool Ready() const = 0;
    virtual std::string Problem() const { return {}; }
    // Speed in percent of the normal one, clamped to kMinRate..kMaxRate.
    virtual void SetRate(int percent) = 0;
    // The text (code page 1250) spoken; nullopt when nothing can be made of it.
    virtual std::optional<SpeechPcm> Synthesize(std::string_view text) = 0;
};

// The same length everywhere: 200 ms plus 60 ms a character at the normal speed, scaled
// inversely by the rate, sounded as a quiet 400 Hz tone at 8 kHz.
class FixedLengthSynthesizer : public SpeechSynthesizer {
  public:
    static constexpr int kSampleRate = 8000;
    static std::uint64_t DurationMs(std::string_view text, int ratePercent);

    bool Ready() const override { return true; }
    void SetRate(int percent) override;
    std::optional<SpeechPcm> Synthesize(std::string_view text) override;

  private:
    int rate_ = kNormalRate;
};

// espeak-ng with its Czech voice when the player was built with the library; otherwise a
// synthesizer that is never ready and says so.
std::unique_ptr<SpeechSynthesizer> makeSystemSynthesizer();

}  // namespace vek
