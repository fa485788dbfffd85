// A SoundDevice over the page's Web Audio graph: the samples live in the page as audio buffers,
// each channel is a source through a left and a right gain, mixed as OpenAlDevice mixes (an
// equal-power pan, a channel kept until its sound has run to its end).
#pragma once

#include <map>

#include "player/sound/sound_device.h"

namespace vek::web {

class WebAudioDevice : public SoundDevice {
  public:
    bool init(std::string* error) override;
    void close() override {}

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

    std::string outputReport() const override;

  private:
    struct Mix {
        int volume = 255;
        int pan = 128;
        bool loop = false;
    };
    // What the page does not keep itself: volume and pan as the player set them.
    Mix* mix(ChannelHandle channel) const;
    void applyGains(ChannelHandle channel) const;

    mutable std::map<ChannelHandle, Mix> mixes_;
};

}  // namespace vek::web
