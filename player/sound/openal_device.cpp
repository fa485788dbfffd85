#include "player/sound/openal_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "common/cp1250_literal.h"
#include "player/sound/sound_file.h"

namespace vek {

namespace {

// Decoded sound in OpenAL buffers: one for a mono sample (both sides play it), two otherwise.
struct AlSample {
    ALuint left = 0;
    ALuint right = 0;
    std::uint64_t frames = 0;
    std::size_t bytes = 0;
    std::uint64_t lastUse = 0;

    AlSample() = default;
    AlSample(const AlSample&) = delete;
    AlSample& operator=(const AlSample&) = delete;
    ~AlSample() {
        if (right != 0 && right != left)
            alDeleteBuffers(1, &right);
        if (left != 0)
            alDeleteBuffers(1, &left);
    }
};

struct CacheKey {
    std::string path;
    std::uintmax_t size;
    std::int64_t modified;
    auto operator<=>(const CacheKey&) const = default;
};

struct Channel {
    std::shared_ptr<AlSample> sample;
    SampleHandle handle = 0;
    ALuint sources[2] = {0, 0};  // left, right
    bool paused = true;
    bool started = false;
    bool loop = false;
    int volume = 255;
    int pan = 128;
    std::uint32_t startOffset = 0;  // where a channel not yet started will begin
};

ALuint makeBuffer(std::span<const std::int16_t> samples, int rate) {
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(buffer, AL_FORMAT_MONO16, samples.data(),
                 static_cast<ALsizei>(samples.size_bytes()), rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

// Splits interleaved frames into a left and a right signal; further channels are folded in
// alternately so that nothing is lost.
void splitSides(const DecodedSound& sound, std::vector<std::int16_t>& left,
                std::vector<std::int16_t>& right) {
    const auto channels = static_cast<std::size_t>(sound.info.channels);
    const auto frames = static_cast<std::size_t>(sound.info.frames);
    left.resize(frames);
    right.resize(frames);
    const std::size_t perSide[2] = {(channels + 1) / 2, channels / 2};
    for (std::size_t f = 0; f < frames; ++f) {
        int sums[2] = {0, 0};
        for (std::size_t c = 0; c < channels; ++c)
            sums[c % 2] += sound.samples[f * channels + c];
        left[f] = static_cast<std::int16_t>(sums[0] / static_cast<int>(perSide[0]));
        right[f] = static_cast<std::int16_t>(sums[1] / static_cast<int>(perSide[1]));
    }
}

}  // namespace

struct OpenAlDevice::Impl {
    Options options;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
    LPALCDEVICEPAUSESOFT pauseDevice = nullptr;
    LPALCDEVICERESUMESOFT resumeDevice = nullptr;
    LPALCGETINTEGER64VSOFT getInteger64 = nullptr;
    // A paused output mixes nothing, so a quiet game costs no processor time.
    mutable bool outputPaused = false;
    mutable std::optional<ALCint64SOFT> idleSince;  // device clock when the last channel ended

    std::map<CacheKey, std::shared_ptr<AlSample>> cache;
    std::map<SampleHandle, std::shared_ptr<AlSample>> samples;
    mutable std::map<ChannelHandle, Channel> channels;
    mutable std::vector<ALuint> freeSources;  // released by the const queries that reap
    SampleHandle nextSample = 1;
    ChannelHandle nextChannel = 1;
    std::uint64_t useCounter = 0;

    bool open(std::string* error);
    void shutdown();

    std::shared_ptr<AlSample> decode(const std::filesystem::path& path);
    void trimCache();

    bool takeSources(ALuint (&out)[2]);
    void releaseChannel(Channel& channel) const;
    Channel* live(ChannelHandle handle) const;
    void applyGains(const Channel& channel) const;

    ALCint64SOFT clock() const;
    void pauseWhenIdle() const;
    void wake();
};

bool OpenAlDevice::Impl::open(std::string* error) {
    auto fail = [&](const char* text) {
        if (error)
            *error = text;
        shutdown();
        return false;
    };
    // No output limiter: its per-sample gain computation was most of the mixer's time, and a
    // single recording never goes past full scale at any volume and pan anyway.
    std::vector<ALCint> attributes = {
        ALC_HRTF_SOFT,      ALC_FALSE, ALC_MONO_SOURCES,        1024,
        ALC_STEREO_SOURCES, 0,         ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE};
    if (options.refreshRate > 0)
        attributes.insert(attributes.end(), {ALC_REFRESH, options.refreshRate});
    if (options.loopback) {
        if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
            return fail("OpenAL: loopback rendering is not available");
        auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
            alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
        device = openLoopback && renderSamples ? openLoopback(nullptr) : nullptr;
        attributes.insert(attributes.end(),
                          {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                           ALC_FLOAT_SOFT, ALC_FREQUENCY, options.loopbackRate});
    } else {
        device = alcOpenDevice(nullptr);
    }
    if (!device)
        return fail("nelze otevřít zvukové zařízení"_cp);
    attributes.push_back(0);
    context = alcCreateContext(device, attributes.data());
    if (!context || !alcMakeContextCurrent(context))
        return fail("OpenAL: the output cannot be set up");
    alDistanceModel(AL_NONE);
    if (alcIsExtensionPresent(device, "ALC_SOFT_device_clock"))
        getInteger64 = reinterpret_cast<LPALCGETINTEGER64VSOFT>(
            alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    // A loopback device cannot be paused; render() stands still in its place.
    if (!options.loopback && alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) {
        pauseDevice =
            reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
        resumeDevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(device, "alcDeviceResumeSOFT"));
    }
    if (options.loopback || (pauseDevice && resumeDevice)) {
        if (pauseDevice)
            pauseDevice(device);
        outputPaused = true;
    }
    return true;
}

void OpenAlDevice::Impl::shutdown() {
    for (auto& [handle, channel] : channels)
        releaseChannel(channel);
    channels.clear();
    samples.clear();
    cache.clear();
    if (!freeSources.empty())
        alDeleteSources(static_cast<ALsizei>(freeSources.size()), freeSources.data());
    freeSources.clear();
    if (context) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = nullptr;
    }
    if (device) {
        alcCloseDevice(device);
        device = nullptr;
    }
    pauseDevice = nullptr;
    resumeDevice = nullptr;
    getInteger64 = nullptr;
    outputPaused = false;
    idleSince.reset();
}

std::shared_ptr<AlSample> OpenAlDevice::Impl::decode(const std::filesystem::path& path) {
    auto sound = decodeSoundFile(path);
    if (!sound)
        return nullptr;
    auto sample = std::make_shared<AlSample>();
    sample->frames = sound->info.frames;
    if (sound->info.channels == 1) {
        sample->left = sample->right = makeBuffer(sound->samples, sound->info.sampleRate);
        sample->bytes = sound->samples.size() * sizeof(std::int16_t);
    } else {
        std::vector<std::int16_t> left, right;
        splitSides(*sound, left, right);
        sound->samples = {};
        sample->left = makeBuffer(left, sound->info.sampleRate);
        sample->right = makeBuffer(right, sound->info.sampleRate);
        sample->bytes = 2 * left.size() * sizeof(std::int16_t);
    }
    if (sample->left == 0 || sample->right == 0)
        return nullptr;
    return sample;
}

// Keeps the decoded samples nobody holds within the budget, least recently used first out.
void OpenAlDevice::Impl::trimCache() {
    std::size_t idle = 0;
    for (const auto& [key, sample] : cache)
        if (sample.use_count() == 1)
            idle += sample->bytes;
    while (idle > options.cacheBytes) {
        auto oldest = cache.end();
        for (auto it = cache.begin(); it != cache.end(); ++it)
            if (it->second.use_count() == 1 &&
                (oldest == cache.end() || it->second->lastUse < oldest->second->lastUse))
                oldest = it;
        if (oldest == cache.end())
            return;
        idle -= oldest->second->bytes;
        cache.erase(oldest);
    }
}

bool OpenAlDevice::Impl::takeSources(ALuint (&out)[2]) {
    while (freeSources.size() < 2) {
        ALuint source = 0;
        alGetError();
        alGenSources(1, &source);
        if (alGetError() != AL_NO_ERROR)
            return false;
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
        freeSources.push_back(source);
    }
    for (ALuint& source : out) {
        source = freeSources.back();
        freeSources.pop_back();
    }
    // Hard left and hard right: the mixer then passes each side through unpanned.
    alSource3f(out[0], AL_POSITION, -1.0f, 0.0f, 0.0f);
    alSource3f(out[1], AL_POSITION, 1.0f, 0.0f, 0.0f);
    return true;
}

void OpenAlDevice::Impl::releaseChannel(Channel& channel) const {
    alSourceStopv(2, channel.sources);
    for (ALuint source : channel.sources) {
        alSourcei(source, AL_BUFFER, 0);
        alSourceRewind(source);
        freeSources.push_back(source);
    }
    channel.sample.reset();
}

// Nanoseconds of sound the device has mixed so far.
ALCint64SOFT OpenAlDevice::Impl::clock() const {
    ALCint64SOFT now = 0;
    if (getInteger64)
        getInteger64(device, ALC_DEVICE_CLOCK_SOFT, 1, &now);
    return now;
}

// Pauses the output once no channel has sounded for a while. The wait lets the end of the last
// sound, already mixed into the sound card's buffer, be heard instead of being dropped.
void OpenAlDevice::Impl::pauseWhenIdle() const {
    if (outputPaused || !device || (!options.loopback && !pauseDevice))
        return;
    for (const auto& [handle, channel] : channels)
        if (channel.started && !channel.paused) {
            idleSince.reset();
            return;
        }
    const ALCint64SOFT now = clock();
    if (!idleSince) {
        idleSince = now;
        return;
    }
    ALCint64SOFT latency = 0;
    if (getInteger64 && !options.loopback)
        getInteger64(device, ALC_DEVICE_LATENCY_SOFT, 1, &latency);
    constexpr ALCint64SOFT kTailNs = 200'000'000;
    if (now - *idleSince < kTailNs + std::max<ALCint64SOFT>(latency, 0))
        return;
    if (pauseDevice)
        pauseDevice(device);
    outputPaused = true;
    idleSince.reset();
}

void OpenAlDevice::Impl::wake() {
    idleSince.reset();
    if (!outputPaused)
        return;
    if (resumeDevice)
        resumeDevice(device);
    outputPaused = false;
}

// The channel while it exists; one that has run to its end is released here.
Channel* OpenAlDevice::Impl::live(ChannelHandle handle) const {
    pauseWhenIdle();
    auto it = channels.find(handle);
    if (it == channels.end())
        return nullptr;
    Channel& channel = it->second;
    if (channel.started && !channel.paused) {
        ALint state = AL_STOPPED;
        alGetSourcei(channel.sources[0], AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED) {
            releaseChannel(channel);
            channels.erase(it);
            pauseWhenIdle();
            return nullptr;
        }
    }
    return &channel;
}

void OpenAlDevice::Impl::applyGains(const Channel& channel) const {
    const double angle = channel.pan / 255.0 * std::numbers::pi / 2.0;
    const double gain = channel.volume / 255.0;
    alSourcef(channel.sources[0], AL_GAIN, static_cast<ALfloat>(gain * std::cos(angle)));
    alSourcef(channel.sources[1], AL_GAIN, static_cast<ALfloat>(gain * std::sin(angle)));
}

OpenAlDevice::OpenAlDevice() : OpenAlDevice(Options{}) {}

OpenAlDevice::OpenAlDevice(Options options) : impl_(std::make_unique<Impl>()) {
    impl_->options = options;
}

OpenAlDevice::~OpenAlDevice() {
    close();
}

bool OpenAlDevice::init(std::string* error) {
    if (impl_->context)
        return true;
    return impl_->open(error);
}

void OpenAlDevice::close() {
    impl_->shutdown();
}

SampleHandle OpenAlDevice::loadSample(const std::filesystem::path& path) {
    if (!impl_->context)
        return 0;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return 0;
    const auto modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return 0;
    CacheKey key{path.string(), size, modified.time_since_epoch().count()};
    auto it = impl_->cache.find(key);
    if (it == impl_->cache.end()) {
        auto sample = impl_->decode(path);
        if (!sample)
            return 0;
        it = impl_->cache.emplace(std::move(key), std::move(sample)).first;
    }
    it->second->lastUse = ++impl_->useCounter;
    const SampleHandle handle = impl_->nextSample++;
    impl_->samples.emplace(handle, it->second);
    impl_->trimCache();
    return handle;
}

SampleHandle OpenAlDevice::loadPcm(std::span<const std::int16_t> samples, int rate,
                                   const std::string& label) {
    if (!impl_->context || samples.empty() || rate <= 0)
        return 0;
    auto sample = std::make_shared<AlSample>();
    sample->left = sample->right = makeBuffer(samples, rate);
    if (sample->left == 0)
        return 0;
    sample->frames = samples.size();
    sample->bytes = samples.size_bytes();
    // Not cached by the device: the speech cache above it keeps the samples it will want again.
    const SampleHandle handle = impl_->nextSample++;
    impl_->samples.emplace(handle, std::move(sample));
    return handle;
}

void OpenAlDevice::freeSample(SampleHandle sample) {
    for (auto it = impl_->channels.begin(); it != impl_->channels.end();) {
        if (it->second.handle == sample) {
            impl_->releaseChannel(it->second);
            it = impl_->channels.erase(it);
        } else {
            ++it;
        }
    }
    impl_->samples.erase(sample);
    impl_->trimCache();
    impl_->pauseWhenIdle();
}

ChannelHandle OpenAlDevice::playPaused(SampleHandle sample) {
    auto it = impl_->samples.find(sample);
    if (it == impl_->samples.end())
        return -1;
    Channel channel;
    if (!impl_->takeSources(channel.sources))
        return -1;
    channel.sample = it->second;
    channel.handle = sample;
    alSourcei(channel.sources[0], AL_BUFFER, static_cast<ALint>(channel.sample->left));
    alSourcei(channel.sources[1], AL_BUFFER, static_cast<ALint>(channel.sample->right));
    for (ALuint source : channel.sources)
        alSourcei(source, AL_LOOPING, AL_FALSE);
    impl_->applyGains(channel);
    const ChannelHandle handle = impl_->nextChannel++;
    impl_->channels.emplace(handle, std::move(channel));
    return handle;
}

void OpenAlDevice::stop(ChannelHandle channel) {
    auto it = impl_->channels.find(channel);
    if (it == impl_->channels.end())
        return;
    impl_->releaseChannel(it->second);
    impl_->channels.erase(it);
    impl_->pauseWhenIdle();
}

void OpenAlDevice::setPaused(ChannelHandle handle, bool paused) {
    Channel* channel = impl_->live(handle);
    if (!channel || channel->paused == paused)
        return;
    channel->paused = paused;
    if (paused) {
        alSourcePausev(2, channel->sources);
        impl_->pauseWhenIdle();
        return;
    }
    impl_->wake();
    if (!channel->started) {
        for (ALuint source : channel->sources)
            alSourcei(source, AL_SAMPLE_OFFSET, static_cast<ALint>(channel->startOffset));
        channel->started = true;
    }
    alSourcePlayv(2, channel->sources);
}

bool OpenAlDevice::paused(ChannelHandle handle) const {
    const Channel* channel = impl_->live(handle);
    return channel && channel->paused;
}

bool OpenAlDevice::isPlaying(ChannelHandle handle) const {
    return impl_->live(handle) != nullptr;
}

void OpenAlDevice::setVolume(ChannelHandle handle, int volume) {
    if (Channel* channel = impl_->live(handle)) {
        channel->volume = std::clamp(volume, 0, 255);
        impl_->applyGains(*channel);
    }
}

int OpenAlDevice::volume(ChannelHandle handle) const {
    const Channel* channel = impl_->live(handle);
    return channel ? channel->volume : 0;
}

void OpenAlDevice::setPan(ChannelHandle handle, int pan) {
    if (Channel* channel = impl_->live(handle)) {
        channel->pan = std::clamp(pan, 0, 255);
        impl_->applyGains(*channel);
    }
}

int OpenAlDevice::pan(ChannelHandle handle) const {
    const Channel* channel = impl_->live(handle);
    return channel ? channel->pan : 128;
}

void OpenAlDevice::setLoop(ChannelHandle handle, bool loop) {
    if (Channel* channel = impl_->live(handle)) {
        channel->loop = loop;
        for (ALuint source : channel->sources)
            alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    }
}

bool OpenAlDevice::loop(ChannelHandle handle) const {
    const Channel* channel = impl_->live(handle);
    return channel && channel->loop;
}

void OpenAlDevice::setPosition(ChannelHandle handle, std::uint32_t frame) {
    Channel* channel = impl_->live(handle);
    if (!channel || channel->sample->frames == 0)
        return;
    const auto last = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(channel->sample->frames - 1, UINT32_MAX));
    frame = std::min(frame, last);
    if (!channel->started) {
        channel->startOffset = frame;
        return;
    }
    for (ALuint source : channel->sources)
        alSourcei(source, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
}

std::uint32_t OpenAlDevice::position(ChannelHandle handle) const {
    const Channel* channel = impl_->live(handle);
    if (!channel)
        return 0;
    if (!channel->started)
        return channel->startOffset;
    ALint offset = 0;
    alGetSourcei(channel->sources[0], AL_SAMPLE_OFFSET, &offset);
    return static_cast<std::uint32_t>(std::max(offset, 0));
}

std::string OpenAlDevice::outputReport() const {
    if (!impl_->device)
        return {};
    ALCint frequency = 0, refresh = 0;
    alcGetIntegerv(impl_->device, ALC_FREQUENCY, 1, &frequency);
    alcGetIntegerv(impl_->device, ALC_REFRESH, 1, &refresh);
    std::ostringstream out;
    out << "sound output: " << frequency << " Hz";
    if (refresh > 0)
        out << ", mixing period " << frequency / refresh << " frames (" << 1000.0 / refresh
            << " ms)";
    if (impl_->getInteger64 && !impl_->options.loopback) {
        ALCint64SOFT latency = 0;
        impl_->getInteger64(impl_->device, ALC_DEVICE_LATENCY_SOFT, 1, &latency);
        out << ", output latency " << latency / 1e6 << " ms";
    }
    return out.str();
}

void OpenAlDevice::render(float* out, std::size_t frames) {
    if (!impl_->renderSamples || !impl_->device)
        return;
    if (impl_->outputPaused) {
        std::fill(out, out + 2 * frames, 0.0f);
        return;
    }
    impl_->renderSamples(impl_->device, out, static_cast<ALCsizei>(frames));
}

bool OpenAlDevice::outputPaused() const {
    impl_->pauseWhenIdle();
    return impl_->outputPaused;
}

void OpenAlDevice::clearCache() {
    for (auto it = impl_->cache.begin(); it != impl_->cache.end();)
        it = it->second.use_count() == 1 ? impl_->cache.erase(it) : std::next(it);
}

}  // namespace vek
