#include "player/script/script_sound.h"

#include "player/sound/background.h"
#include "player/sound/queue.h"

namespace vek::player {

void PlayerScriptSound::QueuePrimary(const std::string& item, std::string_view says) {
    primary_.Add(said_ ? said_->Queued(item, says) : item);
}
void PlayerScriptSound::QueueSecondary(const std::string& item, std::string_view says) {
    secondary_.Add(said_ ? said_->Queued(item, says) : item);
}
void PlayerScriptSound::StopPrimaryUpTo(int level) {
    primary_.StopUpTo(level);
}
void PlayerScriptSound::StopSecondaryUpTo(int level) {
    secondary_.StopUpTo(level);
}

void PlayerScriptSound::BackgroundAddNew(const std::string& name, bool loop, int delayTicks,
                                         std::string_view volumeSuffix, std::string_view says) {
    background_.AddNew(name, loop, delayTicks, volumeSuffix);
    if (said_)
        said_->BackgroundAdded(name, says);
}

void PlayerScriptSound::BackgroundStop(std::string_view name) {
    background_.Stop(name);
}
void PlayerScriptSound::BackgroundStopAll() {
    background_.StopAll();
}

void PlayerScriptSound::BackgroundFadeOut(std::string_view name, std::string_view fade) {
    background_.FadeOut(name, fade);
}

bool PlayerScriptSound::BackgroundPlaying(std::string_view name) const {
    return background_.Playing(name);
}

bool PlayerScriptSound::BackgroundFinished(std::string_view name) const {
    return background_.Finished().contains(name);
}

void PlayerScriptSound::ClearBackgroundFinished() {
    background_.Finished().clear();
}
void PlayerScriptSound::ClearBackground() {
    background_.Vycisti();
}

}  // namespace vek::player
