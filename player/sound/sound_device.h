// What the player asks of a sound library: samples loaded from files, played on channels that
// start paused, with volume, pan, loop and position. OpenAlDevice plays for real; VirtualDevice
// keeps time only when told and records what it does, for tests and the walkthrough runner.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vek {

using SampleHandle = std::uint32_t;  // 0 = no sample
using ChannelHandle = int;           // negative = no channel

class SoundDevice {
  public:
    virtual ~SoundDevice() = default;

    // Opens the output; false with a description in `error` when no device can be used.
    virtual bool init(std::string* error) = 0;
    virtual void close() = 0;

    // 0 when the file cannot be read or decoded (damaged and hostile files included).
    virtual SampleHandle loadSample(const std::filesystem::path& path) = 0;
    // Mono 16-bit samples made in memory (synthesized speech) at `rate` frames a second;
    // `label` stands for the file name in logs. 0 when nothing can be loaded.
    virtual SampleHandle loadPcm(std::span<const std::int16_t> samples, int rate,
                                 const std::string& label) = 0;
    virtual void freeSample(SampleHandle sample) = 0;

    // Starts the sample paused on a free channel; negative when it cannot.
    virtual ChannelHandle playPaused(SampleHandle sample) = 0;
    virtual void stop(ChannelHandle channel) = 0;
    virtual void setPaused(ChannelHandle channel, bool paused) = 0;
    virtual bool paused(ChannelHandle channel) const = 0;
    virtual bool isPlaying(ChannelHandle channel) const = 0;

    virtual void setVolume(ChannelHandle channel, int volume) = 0;  // 0-255
    virtual int volume(ChannelHandle channel) const = 0;
    virtual void setPan(ChannelHandle channel, int pan) = 0;  // 0 left, 128 centre, 255 right
    virtual int pan(ChannelHandle channel) const = 0;
    virtual void setLoop(ChannelHandle channel, bool loop) = 0;
    virtual bool loop(ChannelHandle channel) const = 0;
    virtual void setPosition(ChannelHandle channel, std::uint32_t frame) = 0;
    virtual std::uint32_t position(ChannelHandle channel) const = 0;

    // One line on what the output got (mixing period, latency) for the trace; empty when
    // there is nothing to say.
    virtual std::string outputReport() const { return {}; }
};

}  // namespace vek
