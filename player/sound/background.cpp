#include "player/sound/background.h"

#include "common/cp1250.h"
#include "common/numbers.h"

namespace vek {

namespace {

// A fade step as scripts write numbers (a sign allowed); 0 when it is not a number.
int parseStep(std::string_view text) {
    return parseDecimal32(text).value_or(0);
}

}  // namespace

std::unique_ptr<TMyAFS> TBackFronta::GetAudio() {
    return std::make_unique<TMyAFS>(env_.box.device());
}

void TBackFronta::OdlozAudio(std::unique_ptr<TMyAFS> audio) {
    if (audio)
        audio->Unload();
}

void TBackFronta::AddZvuk(const std::string& name, bool loop, int delay, std::uint16_t position,
                          int pan, int volume) {
    if (items_.size() >= kMaxSounds || !env_.box.Initialised())
        return;
    const TNahravka* entry = env_.list.Najdi(name);
    if (!entry || entry->Line.empty())
        return;
    std::unique_ptr<TMyAFS> audio = GetAudio();
    // A recording that cannot be loaded still enters the set: it ends at the next tick, so a
    // script waiting for it to finish is not left waiting for ever.
    PrepareAudio(*entry, *audio, env_);
    audio->Play();
    audio->SetLoop(loop);
    audio->SetVolume(volume);
    audio->SetPan(pan);
    audio->SetPosition(position);
    // A negative delay would keep the sound paused in the set for good; it starts at once.
    if (delay > 0) {
        audio->Delay = delay;
    } else {
        audio->Resume();
        if (env_.observer && audio->Channel >= 0)
            env_.observer->backgroundStarted(name);
    }
    items_.push_back(Item{name, std::move(audio)});
}

void TBackFronta::AddNew(const std::string& name, bool loop, int delay,
                         std::string_view volumeSuffix) {
    const TNahravka* entry = env_.list.Najdi(name);
    if (!entry)
        return;
    const std::string spec = entry->FullFileName(env_.paths) + "|" + std::string(volumeSuffix);
    const VolumePan vp = ComputeVolumePan(spec, entry->Kind(), env_.volumes);
    AddZvuk(name, loop, delay, 0, vp.pan, vp.volume);
}

void TBackFronta::ProvedAll(bool record) {
    if (!record)
        finished_.clear();
    if (!env_.box.Initialised())
        return;
    std::vector<std::string> started;
    std::vector<std::string> ended;
    for (std::size_t i = 0; i < items_.size();) {
        Item& item = items_[i];
        if (!item.audio) {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        TMyAFS& audio = *item.audio;
        if (audio.Delay == 1) {
            audio.Delay = 0;
            audio.Resume();
            if (audio.Channel >= 0)
                started.push_back(item.name);
        } else if (audio.Delay > 1) {
            --audio.Delay;
        }
        if (audio.FadeStep > 0) {
            const int volume = audio.GetVolume() - audio.FadeStep;
            if (volume > 0)
                audio.SetVolume(volume);
            else
                audio.Stop();
        }
        if (!audio.IsPlaying() && !paused_ && audio.Delay <= 0) {
            // A sound stopped on request has not finished by itself.
            if (record && !item.stopped) {
                finished_.add(item.name);
                ended.push_back(item.name);
            }
            OdlozAudio(std::move(item.audio));
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        ++i;
    }
    if (!env_.observer)
        return;
    for (const std::string& key : started)
        env_.observer->backgroundStarted(key);
    for (const std::string& key : ended)
        env_.observer->backgroundEnded(key);
}

void TBackFronta::ReVolume(std::string_view name, int volume) {
    Item* item = first(name);
    if (item && item->audio && item->audio->IsPlaying())
        item->audio->SetVolume(volume);
}

void TBackFronta::ReVolumeAll() {
    if (!env_.box.Initialised())
        return;
    for (Item& item : items_) {
        const TNahravka* entry = env_.list.Najdi(item.name);
        if (!entry || !item.audio || !item.audio->IsPlaying())
            continue;
        item.audio->SetVolume(ComputeVolumePan(item.name, entry->Kind(), env_.volumes).volume);
    }
}

bool TBackFronta::Playing(std::string_view name) const {
    for (const Item& item : items_)
        if (sameText(item.name, name))
            return true;
    return false;
}

void TBackFronta::FadeOut(std::string_view name, std::string_view stepText) {
    Item* item = first(name);
    if (!item || !item->audio)
        return;
    const int step = parseStep(stepText);
    if (step < 1)
        Stop(name);
    else
        item->audio->FadeStep = step;
}

void TBackFronta::Stop(std::string_view name) {
    for (std::size_t i = 0; i < items_.size();) {
        if (!sameText(items_[i].name, name)) {
            ++i;
            continue;
        }
        if (items_[i].audio) {
            if (items_[i].audio->IsPlaying())
                items_[i].audio->Stop();
            OdlozAudio(std::move(items_[i].audio));
        }
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void TBackFronta::StopSome(int group) {
    if (!env_.box.Initialised())
        return;
    for (Item& item : items_)
        if (item.audio && item.audio->IsPlaying() && item.audio->Group == group)
            stopItem(item);
    ProvedAll(false);
}

void TBackFronta::StopAll() {
    if (!env_.box.Initialised())
        return;
    for (Item& item : items_)
        if (item.audio && item.audio->IsPlaying())
            stopItem(item);
    ProvedAll(false);
}

void TBackFronta::Vycisti() {
    paused_ = false;
    StopAll();
}

void TBackFronta::Pause() {
    paused_ = true;
    if (!env_.box.Initialised())
        return;
    for (Item& item : items_)
        if (item.audio && item.audio->IsPlaying())
            item.audio->Pause();
}

void TBackFronta::UnPause() {
    paused_ = false;
    if (!env_.box.Initialised())
        return;
    // Only sounds paused by Pause resume: a sound still waiting out its delay starts when the
    // delay runs out, and one that ended or was stopped meanwhile is not started again.
    for (Item& item : items_)
        if (item.audio && item.audio->Delay <= 0 && item.audio->IsPlaying())
            item.audio->Resume();
}

TBackFronta::Item* TBackFronta::first(std::string_view name) {
    for (Item& item : items_)
        if (sameText(item.name, name))
            return &item;
    return nullptr;
}

void TBackFronta::stopItem(Item& item) {
    item.audio->Stop();
    item.stopped = true;
}

}  // namespace vek
