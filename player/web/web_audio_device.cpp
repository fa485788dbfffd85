#include "player/web/web_audio_device.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/cp1250_literal.h"
#include "player/sound/sound_file.h"
#include "player/web/page_bridge.h"

namespace vek::web {

bool WebAudioDevice::init(std::string* error) {
    if (vek_audio_init())
        return true;
    if (error)
        *error = "Prohlížeč nemá Web Audio"_cp;
    return false;
}

SampleHandle WebAudioDevice::loadSample(const std::filesystem::path& path) {
    auto sound = decodeSoundFile(path);
    if (!sound)
        return 0;
    return static_cast<SampleHandle>(vek_audio_load(sound->samples.data(),
                                                    static_cast<int>(sound->info.frames),
                                                    sound->info.channels, sound->info.sampleRate));
}

SampleHandle WebAudioDevice::loadPcm(std::span<const std::int16_t> samples, int rate,
                                     const std::string&) {
    if (samples.empty() || rate < 1)
        return 0;
    return static_cast<SampleHandle>(
        vek_audio_load(samples.data(), static_cast<int>(samples.size()), 1, rate));
}

void WebAudioDevice::freeSample(SampleHandle sample) {
    vek_audio_free(static_cast<int>(sample));
}

ChannelHandle WebAudioDevice::playPaused(SampleHandle sample) {
    ChannelHandle channel = vek_audio_play_paused(static_cast<int>(sample));
    if (channel < 0)
        return channel;
    mixes_[channel] = Mix{};
    applyGains(channel);
    return channel;
}

// The page forgets a channel whose sound has ended; so does the device, here.
WebAudioDevice::Mix* WebAudioDevice::mix(ChannelHandle channel) const {
    auto it = mixes_.find(channel);
    if (it == mixes_.end())
        return nullptr;
    if (!vek_audio_is_live(channel)) {
        mixes_.erase(it);
        return nullptr;
    }
    return &it->second;
}

void WebAudioDevice::applyGains(ChannelHandle channel) const {
    const Mix* m = mix(channel);
    if (!m)
        return;
    const double angle = m->pan / 255.0 * std::numbers::pi / 2.0;
    const double gain = m->volume / 255.0;
    vek_audio_set_gains(channel, gain * std::cos(angle), gain * std::sin(angle));
}

void WebAudioDevice::stop(ChannelHandle channel) {
    vek_audio_stop(channel);
    mixes_.erase(channel);
}

void WebAudioDevice::setPaused(ChannelHandle channel, bool paused) {
    if (mix(channel))
        vek_audio_set_paused(channel, paused);
}

bool WebAudioDevice::paused(ChannelHandle channel) const {
    return mix(channel) && vek_audio_is_paused(channel);
}

bool WebAudioDevice::isPlaying(ChannelHandle channel) const {
    return mix(channel) != nullptr;
}

void WebAudioDevice::setVolume(ChannelHandle channel, int volume) {
    if (Mix* m = mix(channel)) {
        m->volume = std::clamp(volume, 0, 255);
        applyGains(channel);
    }
}

int WebAudioDevice::volume(ChannelHandle channel) const {
    const Mix* m = mix(channel);
    return m ? m->volume : 0;
}

void WebAudioDevice::setPan(ChannelHandle channel, int pan) {
    if (Mix* m = mix(channel)) {
        m->pan = std::clamp(pan, 0, 255);
        applyGains(channel);
    }
}

int WebAudioDevice::pan(ChannelHandle channel) const {
    const Mix* m = mix(channel);
    return m ? m->pan : 128;
}

void WebAudioDevice::setLoop(ChannelHandle channel, bool loop) {
    if (Mix* m = mix(channel)) {
        m->loop = loop;
        vek_audio_set_loop(channel, loop);
    }
}

bool WebAudioDevice::loop(ChannelHandle channel) const {
    const Mix* m = mix(channel);
    return m && m->loop;
}

void WebAudioDevice::setPosition(ChannelHandle channel, std::uint32_t frame) {
    if (mix(channel))
        vek_audio_set_position(channel, frame);
}

std::uint32_t WebAudioDevice::position(ChannelHandle channel) const {
    return mix(channel) ? static_cast<std::uint32_t>(vek_audio_position(channel)) : 0;
}

std::string WebAudioDevice::outputReport() const {
    return "Web Audio, output latency " +
           std::to_string(static_cast<int>(vek_audio_output_latency() * 1000)) + " ms";
}

}  // namespace vek::web
