#include "player/sound/speech_synthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vek {

std::uint64_t FixedLengthSynthesizer::DurationMs(std::string_view text, int ratePercent) {
    const auto rate = static_cast<std::uint64_t>(
        std::clamp(ratePercent, SpeechSynthesizer::kMinRate, SpeechSynthesizer::kMaxRate));
    return (200 + 60 * static_cast<std::uint64_t>(text.size())) * 100 / rate;
}

void FixedLengthSynthesizer::SetRate(int percent) {
    rate_ = std::clamp(percent, kMinRate, kMaxRate);
}

std::optional<SpeechPcm> FixedLengthSynthesizer::Synthesize(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    SpeechPcm pcm;
    pcm.rate = kSampleRate;
    pcm.samples.resize(DurationMs(text, rate_) * kSampleRate / 1000);
    constexpr double kStep = 2.0 * std::numbers::pi * 400.0 / kSampleRate;
    for (std::size_t i = 0; i < pcm.samples.size(); ++i)
        pcm.samples[i] = static_cast<std::int16_t>(6000.0 * std::sin(kStep * double(i)));
    return pcm;
}

}  // namespace vek
