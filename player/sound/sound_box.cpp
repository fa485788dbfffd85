#include "player/sound/sound_box.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "common/cp1250_literal.h"

namespace vek {

namespace {

// A decimal level 0-100; anything else (empty, not a number, out of range) counts as 100.
int parseLevel(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return 100;
    return value < 0 || value > 100 ? 100 : value;
}

// num / den rounded to the nearest integer, ties to the even one, exactly.
int roundHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    const std::int64_t twice = 2 * (num % den);
    if (twice > den || (twice == den && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

}  // namespace

int VolumeSettings::forKind(SoundKind kind) const {
    switch (kind) {
        case SoundKind::Effect:
            return sound;
        case SoundKind::Music:
            return music;
        case SoundKind::Dialogue:
            break;
    }
    return voice;
}

VolumePan ComputeVolumePan(std::string_view spec, SoundKind kind, const VolumeSettings& volumes) {
    int percent = 100;
    int pan = 128;
    const auto bar = spec.find('|');
    if (bar != std::string_view::npos && bar + 1 < spec.size()) {
        const std::string_view rest = spec.substr(bar + 1);
        const auto x = rest.find('x');
        const int left =
            parseLevel(x == std::string_view::npos ? std::string_view{} : rest.substr(0, x));
        const int right = parseLevel(x == std::string_view::npos ? rest : rest.substr(x + 1));
        percent = std::max(left, right);
        if (percent >= 1 && left != right)
            pan = 255 - roundHalfEven(std::int64_t(left) * 255, left + right);
    }
    const std::int64_t slider = std::clamp(volumes.forKind(kind), 0, 65535);
    return VolumePan{roundHalfEven(percent * slider * 255, std::int64_t(100) * 65535), pan};
}

TSoundBox::TSoundBox(SoundDevice& device, ErrorSink showError)
    : device_(device), showError_(std::move(showError)) {}

void TSoundBox::Init() {
    if (initialised_)
        return;
    std::string error;
    if (!device_.init(&error)) {
        lastError_ = error.empty() ? "no sound output" : error;
        ShowError("Chyba při inicializaci"_cp);
        return;
    }
    lastError_.clear();
    initialised_ = true;
}

void TSoundBox::Done() {
    if (!initialised_)
        return;
    device_.close();
    initialised_ = false;
}

void TSoundBox::ShowError(const std::string& text) {
    if (showError_)
        showError_("Error", text + "\r(error code: " + lastError_ + ")");
}

void TMyAFS::Load(const std::string& path) {
    if (Channel >= 0 || Sample != 0)
        Unload();
    Sample = device_.loadSample(path);
    if (Sample != 0)
        fileName_ = path;
}

void TMyAFS::LoadPcm(std::span<const std::int16_t> samples, int rate, const std::string& label) {
    if (Channel >= 0 || Sample != 0)
        Unload();
    Sample = device_.loadPcm(samples, rate, label);
    if (Sample != 0)
        fileName_ = label;
}

void TMyAFS::Unload() {
    Stop();
    Channel = -2;
    if (Sample != 0)
        device_.freeSample(Sample);
    Sample = 0;
}

void TMyAFS::Play() {
    if (Sample == 0)
        return;
    if (Channel >= 0 && device_.paused(Channel)) {
        Resume();
        return;
    }
    Channel = device_.playPaused(Sample);
}

void TMyAFS::Stop() {
    if (Channel >= 0)
        device_.stop(Channel);
}

void TMyAFS::Pause() {
    if (Channel >= 0)
        device_.setPaused(Channel, true);
}

void TMyAFS::Resume() {
    if (Channel >= 0)
        device_.setPaused(Channel, false);
}

bool TMyAFS::IsPlaying() const {
    return Channel >= 0 && device_.isPlaying(Channel);
}

int TMyAFS::GetVolume() const {
    return Channel >= 0 ? device_.volume(Channel) : 0;
}

void TMyAFS::SetVolume(int v) {
    if (Channel >= 0)
        device_.setVolume(Channel, v);
}

int TMyAFS::GetPan() const {
    return Channel >= 0 ? device_.pan(Channel) : 128;
}

void TMyAFS::SetPan(int p) {
    if (Channel >= 0)
        device_.setPan(Channel, p);
}

bool TMyAFS::GetLoop() const {
    return Channel >= 0 && device_.loop(Channel);
}

void TMyAFS::SetLoop(bool loop) {
    if (Channel >= 0)
        device_.setLoop(Channel, loop);
}

std::uint32_t TMyAFS::GetPosition() const {
    return Channel >= 0 ? device_.position(Channel) : 0;
}

void TMyAFS::SetPosition(std::uint16_t p) {
    if (Channel >= 0)
        device_.setPosition(Channel, p);
}

}  // namespace vek
