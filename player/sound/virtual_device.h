// A sound device that keeps time only when told. Samples last exactly as long as their files;
// channels loop, pause, seek and carry volume and pan as on the real device, and every start,
// pause, stop and natural end is written to an event log for tests and transcripts.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "player/sound/sound_device.h"
#include "player/sound/sound_file.h"

namespace vek {

class VirtualDevice : public SoundDevice {
  public:
    struct Event {
        enum class Kind { Started, Paused, Resumed, Stopped, Ended };
        Kind kind;
        std::uint64_t timeMs;  // device time when it happened
        ChannelHandle channel;
        std::string file;  // the sample's path as loaded
        int volume;
        int pan;
        bool loop;
    };

    // `failWith` non-empty: init fails with that text, as on a machine without sound.
    explicit VirtualDevice(std::string failWith = {}) : failWith_(std::move(failWith)) {}

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

    // Moves time on; sounding channels advance and the ones that run out end.
    void advance(std::uint64_t ms);
    std::uint64_t now() const { return nowMs_; }

    const std::vector<Event>& events() const { return events_; }
    void clearEvents() { events_.clear(); }
    // One line per event, e.g. "1200 start wave/tch001.wav vol 255 pan 128".
    static std::string describe(const Event& event);

    std::size_t loadedSamples() const { return samples_.size(); }
    std::size_t activeChannels() const { return channels_.size(); }
    // Channels not paused, i.e. audible now.
    std::size_t soundingChannels() const;
    // Length of a loaded sample in milliseconds (0 for an unknown handle).
    std::uint64_t durationMs(SampleHandle sample) const;

  private:
    struct Sample {
        std::string file;
        SoundFileInfo info;
    };
    struct Channel {
        SampleHandle sample;
        const Sample* data;
        std::uint64_t progress = 0;  // frames played × 1000, so whole milliseconds stay exact
        bool paused = true;
        bool started = false;
        bool loop = false;
        int volume = 255;
        int pan = 128;
    };
    struct CacheKey {
        std::string path;
        std::uintmax_t size;
        std::int64_t modified;
        // Spelled out: the standard library of the browser build has no <=> for strings.
        bool operator<(const CacheKey& o) const {
            return std::tie(path, size, modified) < std::tie(o.path, o.size, o.modified);
        }
    };

    Channel* find(ChannelHandle channel);
    const Channel* find(ChannelHandle channel) const;
    void log(Event::Kind kind, ChannelHandle handle, const Channel& channel);

    std::string failWith_;
    std::map<SampleHandle, Sample> samples_;
    std::map<ChannelHandle, Channel> channels_;
    std::map<CacheKey, SoundFileInfo> probed_;  // files already decoded once
    std::vector<Event> events_;
    std::uint64_t nowMs_ = 0;
    SampleHandle nextSample_ = 1;
    ChannelHandle nextChannel_ = 1;
};

}  // namespace vek
