// Background sounds and music: any number of keys (at most 64) sounding together, each once or
// looped, at once or after a delay, at its own volume and balance.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "sound_env.h"

namespace vek {

class TBackFronta {
  public:
    static constexpr std::size_t kMaxSounds = 64;

    explicit TBackFronta(SoundEnv& env) : env_(env) {}

    std::unique_ptr<TMyAFS> GetAudio();
    void OdlozAudio(std::unique_ptr<TMyAFS> audio);
    void AddZvuk(const std::string& name, bool loop, int delay, std::uint16_t position, int pan,
                 int volume);
    void AddNew(const std::string& name, bool loop, int delay, std::string_view volumeSuffix);
    void ProvedAll(bool record);
    void ReVolume(std::string_view name, int volume);
    void ReVolumeAll();
    bool Playing(std::string_view name) const;
    void FadeOut(std::string_view name, std::string_view stepText);
    void Stop(std::string_view name);
    void StopSome(int group);
    void StopAll();
    void Vycisti();
    void Pause();
    void UnPause();

    bool Paused() const { return paused_; }
    StringList& Finished() { return finished_; }
    const StringList& Finished() const { return finished_; }

    struct Item {
        std::string name;
        std::unique_ptr<TMyAFS> audio;
        bool stopped = false;  // stopped on request, so it does not count as finished
    };
    const std::vector<Item>& items() const { return items_; }

  private:
    Item* first(std::string_view name);
    void stopItem(Item& item);

    SoundEnv& env_;
    std::vector<Item> items_;
    StringList finished_;
    bool paused_ = true;
};

}  // namespace vek
