// The real sound output: OpenAL Soft for playing, libsndfile for reading every format it knows.
// Each channel is a pair of sources pinned hard left and hard right, so that volume and pan are
// plain gains (constant-power balance) for mono and stereo samples alike. With nothing playing
// the output is paused so that an idle player leaves the processor alone.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "player/sound/sound_device.h"

namespace vek {

class OpenAlDevice : public SoundDevice {
  public:
    struct Options {
        // Render into memory on request (render()) instead of a sound card, at this rate, in
        // stereo float samples; for tests and measurements.
        bool loopback = false;
        int loopbackRate = 44100;
        // Decoded samples kept for reuse after their last holder freed them.
        std::size_t cacheBytes = 128u << 20;
        // Mixing periods a second asked of the output: 100 gives about 10 ms, so that a sound
        // started by a key is heard at once. The backend may give a longer one.
        int refreshRate = 100;
    };

    OpenAlDevice();
    explicit OpenAlDevice(Options options);
    ~OpenAlDevice() override;
    OpenAlDevice(const OpenAlDevice&) = delete;
    OpenAlDevice& operator=(const OpenAlDevice&) = delete;

    bool init(std::string* error) override;
    void close() override;
    SampleHandle loadSample(const std::filesystem::path& path) override;
    SampleHandle loadPcm(std::span<const std::int16_t> samples, int rate,
                         const std::string& label) override;
    void freeSample(SampleHandle sample) override;
    ChannelHandle playPaused(SampleHandle sample) override;
    void stop(ChannelHandle channel) override;
    void setPaused(ChannelHandle channel, bool paused) override;
    bool paused(ChannelHandle channel) const override;
    bool isPlaying(ChannelHandle channel) const override;
    void setVolume(ChannelHandle channel, int volume) override;
    int volume(ChannelHandle channel) const override;
    void setPan(ChannelHandle channel, int pan) override;
    int pan(ChannelHandle channel) const override;
    void setLoop(ChannelHandle channel, bool loop) override;
    bool loop(ChannelHandle channel) const override;
    void setPosition(ChannelHandle channel, std::uint32_t frame) override;
    std::uint32_t position(ChannelHandle channel) const override;
    // "zvukový výstup: 44100 Hz, perioda 441 vzorků, latence 23.2 ms" and the like.
    std::string outputReport() const override;

    // Loopback mode only: mixes `frames` stereo frames (left, right interleaved) into `out`.
    void render(float* out, std::size_t frames);
    // Drops every decoded sample no sample handle holds.
    void clearCache();
    // True while the output is paused because no channel has sounded for a moment; starting
    // a channel resumes it.
    bool outputPaused() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vek
