// "&Hrej / Stop": the sound dialog and the sound lists preview a recording through the same
// output as the player, so the author hears what players will hear. Plain C++ over the player's
// sound device; a machine without sound previews nothing, quietly.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "player/sound/sound_device.h"

namespace vek::editor {

enum class PreviewOutcome {
    Started,     // the recording sounds
    Stopped,     // a preview that still sounded was stopped
    CannotPlay,  // the file is missing or not a sound the output can play
    NoDevice,    // no sound output: nothing happens
};

class SoundPreview {
  public:
    // `device` may be null; its output is opened at the first preview.
    explicit SoundPreview(SoundDevice* device);
    ~SoundPreview();
    SoundPreview(const SoundPreview&) = delete;
    SoundPreview& operator=(const SoundPreview&) = delete;

    // Stops a preview that still sounds; otherwise plays `fileSpec` (code page 1250, as an
    // entry line holds it: a path with "\" or "/", any letter case, or a collection pointer
    // "sady\k.zvk|name") found under `directory` (a path of this system).
    PreviewOutcome Toggle(std::string_view fileSpec, const std::filesystem::path& directory);
    void Stop();
    bool Playing() const;

  private:
    bool ready();
    std::filesystem::path fileToPlay(std::string_view fileSpec,
                                     const std::filesystem::path& directory);
    void release();

    SoundDevice* device_;
    enum class State { Unopened, Open, Failed } state_ = State::Unopened;
    SampleHandle sample_ = 0;
    ChannelHandle channel_ = -1;
    std::filesystem::path extracted_;  // a collection's recording copied out for playing
};

}  // namespace vek::editor
