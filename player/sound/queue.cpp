#include "player/sound/queue.h"

#include <system_error>

#include "common/numbers.h"
#include "common/paths.h"

namespace vek {

namespace {

constexpr std::size_t kHistoryLimit = 501;
constexpr int kDefaultPauseTicks = 5;

// The ticks of a pause item "%N" or "%N|suffix", N read as scripts write numbers (a sign
// allowed): 5 when N does not parse; a negative count would stop both queues for good, so it
// means no pause.
int pauseTicks(std::string_view item) {
    const auto value = parseDecimal32(item.substr(1, item.find('|') - 1));
    if (!value)
        return kDefaultPauseTicks;
    return *value < 0 ? 0 : *value;
}

std::string_view withoutSuffix(std::string_view item) {
    return item.substr(0, item.find('|'));
}

// Holds the shared step flag for the duration of one queue step.
class StepGuard {
  public:
    explicit StepGuard(bool& flag) : flag_(flag), owner_(!flag) { flag_ = true; }
    ~StepGuard() {
        if (owner_)
            flag_ = false;
    }
    StepGuard(const StepGuard&) = delete;
    StepGuard& operator=(const StepGuard&) = delete;
    bool entered() const { return owner_; }

  private:
    bool& flag_;
    bool owner_;
};

}  // namespace

TZvukFronta::TZvukFronta(SoundEnv& env, std::string name) : env_(env), name_(std::move(name)) {}

void TZvukFronta::Add(std::string item) {
    ++queued_;
    pending_.push_back(std::move(item));
}

bool TZvukFronta::canSound() const {
    return env_.box.Initialised() && audio_ != nullptr;
}

void TZvukFronta::Tick() {
    StepGuard guard(env_.StepRunning);
    if (!guard.entered())
        return;
    if (env_.PauseTicks == 0 && !pending_.empty())
        step();
    if (env_.PauseTicks > 0)
        --env_.PauseTicks;
}

void TZvukFronta::StartNow() {
    StepGuard guard(env_.StepRunning);
    if (!guard.entered() || !env_.SoundsOn || !canSound())
        return;
    while (!pending_.empty() && env_.PauseTicks == 0 && !audio_->IsPlaying()) {
        const std::string& front = pending_.front();
        if (!front.empty() && front.front() == '%')
            return;
        const auto before = pending_.size();
        step();
        if (pending_.size() == before)
            return;
    }
}

void TZvukFronta::step() {
    const std::string item = pending_.front();  // observers may change the queue meanwhile
    if (item.empty()) {
        pending_.pop_front();
        return;
    }
    if (item.front() == '%') {
        env_.PauseTicks = pauseTicks(item);
        pending_.pop_front();
        return;
    }
    if (!priority(item)) {
        pending_.pop_front();
        return;
    }
    if (!canSound() || audio_->IsPlaying())
        return;  // waits for the channel
    const auto spoken = start(item);
    if (!spoken) {
        // Nothing could be loaded: playing whatever the channel held before would say the
        // wrong words, so the item is dropped.
        pending_.pop_front();
        return;
    }
    const std::string said(*spoken);  // Advance moves the item the view points into
    Advance();
    notifyStarted(item, said);  // last, so an observer finds the queue in order
    synthesizeNext();
}

std::optional<std::string_view> TZvukFronta::start(std::string_view item) {
    const SpokenItem parts = SplitSpeech(item);
    if (const TNahravka* entry = env_.list.Najdi(parts.key))
        if (startRecording(*entry, parts.key))
            return std::string_view{};
    if (!parts.text.empty() && startSpeech(parts.text))
        return parts.text;
    return std::nullopt;
}

bool TZvukFronta::startRecording(const TNahravka& entry, std::string_view item) {
    if (!PrepareAudio(entry, *audio_, env_))
        return false;
    const VolumePan vp = ComputeVolumePan(item, entry.Kind(), env_.volumes);
    audio_->Play();
    audio_->SetVolume(vp.volume);
    audio_->SetPan(vp.pan);
    audio_->Resume();
    return true;
}

// Speech sounds like a recorded line of dialogue: the dialogue volume, centred.
bool TZvukFronta::startSpeech(std::string_view text) {
    const auto pcm = env_.voice ? env_.voice->Speech(text) : nullptr;
    if (!pcm)
        return false;
    audio_->LoadPcm(pcm->samples, pcm->rate, "tts:" + std::string(text));
    if (audio_->Sample == 0)
        return false;
    const VolumePan vp = ComputeVolumePan({}, SoundKind::Dialogue, env_.volumes);
    audio_->Play();
    audio_->SetVolume(vp.volume);
    audio_->SetPan(vp.pan);
    audio_->Resume();
    return true;
}

// While one item sounds, the speech of the next is made, so that it follows without a gap.
void TZvukFronta::synthesizeNext() {
    if (!env_.voice || pending_.empty())
        return;
    const SpokenItem next = SplitSpeech(pending_.front());
    if (!next.text.empty() && !env_.list.Najdi(next.key))
        env_.voice->Speech(next.text);
}

// A recording's own priority; speech alone, and what only an option added, is cut by any key.
std::optional<int> TZvukFronta::priority(std::string_view item) const {
    const SpokenItem parts = SplitSpeech(item);
    const TNahravka* entry = env_.list.Najdi(parts.key);
    if (!entry && parts.text.empty())
        return std::nullopt;
    if (!entry || (parts.marks & Optional) != 0)
        return 0;
    return entry->Priority();
}

// Items that must not hold a key back: what only an option added, and the voice standing in
// for a key the sound list does not know, which the queue would otherwise have dropped unplayed
// at its next tick.
bool TZvukFronta::yields(std::string_view item) const {
    const SpokenItem parts = SplitSpeech(item);
    return (parts.marks & Optional) != 0 || (!parts.text.empty() && !env_.list.Najdi(parts.key));
}

void TZvukFronta::notifyStarted(std::string_view item, std::string_view spoken) {
    if (!env_.observer)
        return;
    if (!spoken.empty())
        env_.observer->speechStarted(name_, spoken);
    else
        env_.observer->queueStarted(name_, withoutSuffix(SplitSpeech(item).key));
}

void TZvukFronta::pushHistory(std::string item) {
    if (history_.size() >= kHistoryLimit)
        history_.resize(kHistoryLimit - 1);
    history_.push_front(std::move(item));
}

void TZvukFronta::Advance() {
    // Nothing played before the first recording: an empty step back would only be silence.
    if (!current_.empty())
        pushHistory(std::move(current_));
    current_.clear();
    if (!pending_.empty()) {
        current_ = std::move(pending_.front());
        pending_.pop_front();
    }
}

void TZvukFronta::PlayCurrent() {
    if (!priority(current_) || !canSound())
        return;
    audio_->Stop();
    if (const auto spoken = start(current_))
        notifyStarted(current_, *spoken);
}

void TZvukFronta::Back() {
    StepGuard guard(env_.StepRunning);
    if (!guard.entered())
        return;
    if (history_.empty()) {
        if (!current_.empty()) {
            pending_.push_front(std::move(current_));
            current_.clear();
            StopCurrent();
        }
    } else if (Playing()) {
        pending_.push_front(std::move(current_));
        current_ = std::move(history_.front());
        history_.pop_front();
        StopCurrent();
    }
    PlayCurrent();
}

void TZvukFronta::Skip() {
    StopCurrent();
    Tick();
}

void TZvukFronta::StopCurrent() {
    if (canSound())
        audio_->Stop();
}

bool TZvukFronta::Playing() const {
    return audio_ && audio_->IsPlaying();
}

bool TZvukFronta::StopUpTo(int level) {
    if (!env_.SoundsOn)
        return true;
    std::erase_if(pending_, [this](const std::string& item) { return yields(item); });
    const auto current = priority(current_);
    // Only a recording still sounding holds the queue. One that has ended stays Current until
    // the next starts; were it to hold the queue, the click a key queues in FormKeyDown would
    // wait behind it and the same key's character would be swallowed: the first letter after a
    // reply of priority 1, the first Enter after a recording of priority 2.
    if (current && *current > level && Playing())
        return pending_.empty();
    if (current)
        pushHistory(current_);
    StopCurrent();
    while (!pending_.empty()) {
        const auto next = priority(pending_.front());
        if (next && *next > level)
            break;
        if (next)
            pushHistory(std::move(pending_.front()));
        pending_.pop_front();
    }
    return pending_.empty();
}

void TZvukFronta::DropCycleSpeech() {
    // An item whose recording is there plays it, as the game queued it; the others would only
    // have been said, and are dropped whole, so that no key left behind delays the newer speech.
    std::erase_if(pending_, [this](const std::string& item) {
        const SpokenItem parts = SplitSpeech(item);
        if ((parts.marks & FromCycle) == 0)
            return false;
        const TNahravka* entry = env_.list.Najdi(parts.key);
        return !entry || !RecordingFound(*entry, env_);
    });
}

void TZvukFronta::SayNumber(int n) {
    if (n < 0)
        return;
    auto [tens, units] = NumberKeys(n);
    Add(std::move(tens));
    Add(std::move(units));
}

std::pair<std::string, std::string> TZvukFronta::NumberKeys(int n) {
    const std::string plain = std::to_string(n);
    const std::string digits = std::string(plain.size() < 3 ? 3 - plain.size() : 0, '0') + plain;
    const char h = digits[0], t = digits[1], u = digits[2];
    std::string tens;
    if (t != '0' && t != '1')
        tens = std::string(u != '0' ? "0" : "") + t + '0';
    std::string units;
    if (t == '1')
        units = std::string("1") + u;
    else if (u != '0')
        units = std::string(t != '0' || h != '0' ? "0" : "") + u;
    if (digits == "000")
        units.assign(1, '0');
    return {"C" + tens, "C" + units};
}

void TZvukFronta::PlayFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::is_regular_file(path, ec)
                                           ? std::filesystem::path(path)
                                           : resolvePath(path);
    if (!std::filesystem::is_regular_file(file, ec) || !canSound())
        return;
    audio_->Stop();
    audio_->Load(file.string());
    audio_->Play();
    audio_->SetVolume(255);
    audio_->SetPan(128);
    audio_->Resume();
    ++queued_;
    if (env_.observer && audio_->Sample != 0)
        env_.observer->fileStarted(path);
}

void TZvukFronta::CreateAudio(const std::string& silencePath) {
    if (!env_.box.Initialised())
        return;
    audio_ = std::make_unique<TMyAFS>(env_.box.device());
    audio_->Load(resolvePath(silencePath).string());
    audio_->SetLoop(false);
}

}  // namespace vek
