// A sound queue: keys spoken strictly one after another on one channel, with a history to step
// back through and priorities that decide what a key press or a script may cut short.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/string_list.h"
#include "sound_env.h"

namespace vek {

class TZvukFronta {
  public:
    // `env` is shared by both queues and the background set (pause counter, SoundsOn, ...).
    TZvukFronta(SoundEnv& env, std::string name);  // name: "primary" / "secondary" for observers

    void Add(std::string item);
    // How many items were ever added or files played: a command that left it unchanged spoke
    // nothing.
    std::uint64_t Queued() const { return queued_; }
    void Tick();
    // What a tick would start, started now when the channel is free and no pause runs, so a
    // key is answered without waiting for the timer. Leaves pause items to the timer.
    void StartNow();
    // Drops the current and pending sounds of priority up to `level`; true when nothing waits.
    // Optional items (speech_voice.h) and speech standing in for unknown keys are dropped
    // wherever they wait.
    bool StopUpTo(int level);
    // The main cycle's speech that has not started yet is dropped; its items that play a
    // recording stay.
    void DropCycleSpeech();
    void Back();
    void Skip();
    void StopCurrent();
    bool Playing() const;
    void SayNumber(int n);
    // The two keys SayNumber queues for n: "C" and the tens, "C" and the units.
    static std::pair<std::string, std::string> NumberKeys(int n);
    void PlayFile(const std::string& path);
    void PlayCurrent();
    void Advance();

    const std::deque<std::string>& Pending() const { return pending_; }
    const std::deque<std::string>& History() const { return history_; }
    const std::string& Current() const { return current_; }
    void ClearCurrent() { current_.clear(); }
    TMyAFS* Audio() const { return audio_.get(); }
    // Creates the queue's own sample holder (loaded with sx00.wav) once the box is initialised.
    void CreateAudio(const std::string& silencePath);
    void FreeAudio() { audio_.reset(); }
    const std::string& name() const { return name_; }

  private:
    bool canSound() const;
    void step();
    bool startRecording(const TNahravka& entry, std::string_view item);
    bool startSpeech(std::string_view text);
    // Starts the item's recording or, failing that, its speech; nullopt when nothing could be
    // loaded, else the text said ("" for a recording).
    std::optional<std::string_view> start(std::string_view item);
    // The priority a key press or a stop command weighs; none for unknown keys and pauses.
    std::optional<int> priority(std::string_view item) const;
    bool yields(std::string_view item) const;
    void synthesizeNext();
    void notifyStarted(std::string_view item, std::string_view spoken);
    void pushHistory(std::string item);

    SoundEnv& env_;
    std::string name_;
    std::deque<std::string> pending_;
    std::deque<std::string> history_;
    std::string current_;
    std::unique_ptr<TMyAFS> audio_;
    std::uint64_t queued_ = 0;
};

}  // namespace vek
