#include "player/sound/virtual_device.h"

#include <algorithm>
#include <system_error>

namespace vek {

namespace {

std::uint64_t totalProgress(const SoundFileInfo& info) {
    return info.frames * 1000;
}

int clampLevel(int v) {
    return std::clamp(v, 0, 255);
}

}  // namespace

bool VirtualDevice::init(std::string* error) {
    if (failWith_.empty())
        return true;
    if (error)
        *error = failWith_;
    return false;
}

void VirtualDevice::close() {
    while (!channels_.empty())
        stop(channels_.begin()->first);
}

SampleHandle VirtualDevice::loadSample(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return 0;
    const auto modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return 0;
    CacheKey key{path.string(), size,
                 static_cast<std::int64_t>(modified.time_since_epoch().count())};
    auto cached = probed_.find(key);
    if (cached == probed_.end()) {
        auto info = probeSoundFile(path);
        if (!info)
            return 0;
        cached = probed_.emplace(key, *info).first;
    }
    const SampleHandle handle = nextSample_++;
    samples_.emplace(handle, Sample{path.string(), cached->second});
    return handle;
}

SampleHandle VirtualDevice::loadPcm(std::span<const std::int16_t> samples, int rate,
                                    const std::string& label) {
    if (samples.empty() || rate <= 0)
        return 0;
    const SampleHandle handle = nextSample_++;
    samples_.emplace(handle, Sample{label, SoundFileInfo{samples.size(), rate, 1}});
    return handle;
}

void VirtualDevice::freeSample(SampleHandle sample) {
    for (auto it = channels_.begin(); it != channels_.end();) {
        auto next = std::next(it);
        if (it->second.sample == sample)
            stop(it->first);
        it = next;
    }
    samples_.erase(sample);
}

ChannelHandle VirtualDevice::playPaused(SampleHandle sample) {
    auto it = samples_.find(sample);
    if (it == samples_.end())
        return -1;
    const ChannelHandle handle = nextChannel_++;
    channels_.emplace(handle, Channel{sample, &it->second});
    return handle;
}

void VirtualDevice::stop(ChannelHandle channel) {
    auto it = channels_.find(channel);
    if (it == channels_.end())
        return;
    log(Event::Kind::Stopped, channel, it->second);
    channels_.erase(it);
}

void VirtualDevice::setPaused(ChannelHandle channel, bool paused) {
    Channel* c = find(channel);
    if (!c || c->paused == paused)
        return;
    c->paused = paused;
    if (paused) {
        log(Event::Kind::Paused, channel, *c);
    } else {
        log(c->started ? Event::Kind::Resumed : Event::Kind::Started, channel, *c);
        c->started = true;
    }
}

bool VirtualDevice::paused(ChannelHandle channel) const {
    const Channel* c = find(channel);
    return c && c->paused;
}

bool VirtualDevice::isPlaying(ChannelHandle channel) const {
    return find(channel) != nullptr;
}

void VirtualDevice::setVolume(ChannelHandle channel, int volume) {
    if (Channel* c = find(channel))
        c->volume = clampLevel(volume);
}

int VirtualDevice::volume(ChannelHandle channel) const {
    const Channel* c = find(channel);
    return c ? c->volume : 0;
}

void VirtualDevice::setPan(ChannelHandle channel, int pan) {
    if (Channel* c = find(channel))
        c->pan = clampLevel(pan);
}

int VirtualDevice::pan(ChannelHandle channel) const {
    const Channel* c = find(channel);
    return c ? c->pan : 128;
}

void VirtualDevice::setLoop(ChannelHandle channel, bool loop) {
    if (Channel* c = find(channel))
        c->loop = loop;
}

bool VirtualDevice::loop(ChannelHandle channel) const {
    const Channel* c = find(channel);
    return c && c->loop;
}

void VirtualDevice::setPosition(ChannelHandle channel, std::uint32_t frame) {
    if (Channel* c = find(channel))
        c->progress = std::min<std::uint64_t>(frame, c->data->info.frames) * 1000;
}

std::uint32_t VirtualDevice::position(ChannelHandle channel) const {
    const Channel* c = find(channel);
    return c ? static_cast<std::uint32_t>(c->progress / 1000) : 0;
}

void VirtualDevice::advance(std::uint64_t ms) {
    for (auto it = channels_.begin(); it != channels_.end();) {
        Channel& c = it->second;
        const std::uint64_t total = totalProgress(c.data->info);
        const std::uint64_t step = ms * static_cast<std::uint64_t>(c.data->info.sampleRate);
        if (c.paused || step == 0) {
            ++it;
            continue;
        }
        if (c.loop && total > 0) {
            c.progress = (c.progress + step) % total;
            ++it;
            continue;
        }
        if (c.progress + step < total) {
            c.progress += step;
            ++it;
            continue;
        }
        // Ends within this step: stamp the end with the moment the last frame ran out.
        const std::uint64_t rate = static_cast<std::uint64_t>(c.data->info.sampleRate);
        const std::uint64_t left = (total - std::min(total, c.progress) + rate - 1) / rate;
        events_.push_back(Event{Event::Kind::Ended, nowMs_ + left, it->first, c.data->file,
                                c.volume, c.pan, c.loop});
        it = channels_.erase(it);
    }
    nowMs_ += ms;
}

std::string VirtualDevice::describe(const Event& event) {
    static const char* const kNames[] = {"start", "pause", "resume", "stop", "end"};
    std::string line = std::to_string(event.timeMs) + " " + kNames[static_cast<int>(event.kind)] +
                       " " + event.file;
    if (event.kind == Event::Kind::Started)
        line += " vol " + std::to_string(event.volume) + " pan " + std::to_string(event.pan) +
                (event.loop ? " loop" : "");
    return line;
}

std::size_t VirtualDevice::soundingChannels() const {
    return static_cast<std::size_t>(std::count_if(channels_.begin(), channels_.end(),
                                                  [](const auto& c) { return !c.second.paused; }));
}

std::uint64_t VirtualDevice::durationMs(SampleHandle sample) const {
    auto it = samples_.find(sample);
    if (it == samples_.end() || it->second.info.sampleRate <= 0)
        return 0;
    return it->second.info.frames * 1000 / static_cast<std::uint64_t>(it->second.info.sampleRate);
}

VirtualDevice::Channel* VirtualDevice::find(ChannelHandle channel) {
    auto it = channels_.find(channel);
    return it == channels_.end() ? nullptr : &it->second;
}

const VirtualDevice::Channel* VirtualDevice::find(ChannelHandle channel) const {
    auto it = channels_.find(channel);
    return it == channels_.end() ? nullptr : &it->second;
}

void VirtualDevice::log(Event::Kind kind, ChannelHandle handle, const Channel& channel) {
    events_.push_back(
        Event{kind, nowMs_, handle, channel.data->file, channel.volume, channel.pan, channel.loop});
}

}  // namespace vek
