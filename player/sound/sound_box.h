// The sound-system object, one loaded sample with its channel, and the volume rule.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "common/sound_entry.h"
#include "sound_device.h"

namespace vek {

// The three volume settings of the options dialog's sliders, 0-65535 each.
struct VolumeSettings {
    int voice = 65535;  // VOICEVOLUME, dialogue
    int sound = 65535;  // SOUNDVOLUME, effects
    int music = 65535;  // MUSICVOLUME, music
    int forKind(SoundKind kind) const;
};

struct VolumePan {
    int volume = 255;
    int pan = 128;
    friend bool operator==(const VolumePan&, const VolumePan&) = default;
};

// Volume and pan for a text whose part after its first "|" is a suffix such as "100x100".
VolumePan ComputeVolumePan(std::string_view spec, SoundKind kind, const VolumeSettings& volumes);

class TSoundBox {
  public:
    // Shows an error box: caption, text.
    using ErrorSink = std::function<void(const std::string& caption, const std::string& text)>;

    TSoundBox(SoundDevice& device, ErrorSink showError = {});

    bool Initialised() const { return initialised_; }
    // Opens the device; on failure shows "Chyba při inicializaci" with the reason once, and the
    // player runs silent.
    void Init();
    // Closes the device (the caller stops the queues and background first).
    void Done();
    // Shows `text` with the device's description of the last failure, caption "Error".
    void ShowError(const std::string& text);

    SoundDevice& device() { return device_; }

  private:
    SoundDevice& device_;
    ErrorSink showError_;
    std::string lastError_;  // the device's description of the last failure
    bool initialised_ = false;
};

// One loaded sample and the channel it plays on.
class TMyAFS {
  public:
    explicit TMyAFS(SoundDevice& device) : device_(device) {}
    ~TMyAFS() { Unload(); }
    TMyAFS(const TMyAFS&) = delete;
    TMyAFS& operator=(const TMyAFS&) = delete;

    void Load(const std::string& path);
    // Loads samples made in memory; `label` becomes the FileName.
    void LoadPcm(std::span<const std::int16_t> samples, int rate, const std::string& label);
    void Unload();
    void Play();  // starts paused, or resumes a paused channel
    void Stop();
    void Pause();
    void Resume();
    bool IsPlaying() const;
    int GetVolume() const;
    void SetVolume(int v);
    int GetPan() const;
    void SetPan(int p);
    bool GetLoop() const;
    void SetLoop(bool loop);
    std::uint32_t GetPosition() const;
    void SetPosition(std::uint16_t p);
    const std::string& FileName() const { return fileName_; }

    ChannelHandle Channel = -2;
    SampleHandle Sample = 0;
    int FadeStep = 0;
    int Delay = 0;
    std::uint8_t Group = 0;

  private:
    SoundDevice& device_;
    std::string fileName_;
};

}  // namespace vek
