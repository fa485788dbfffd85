#include <gtest/gtest.h>

#include "player/script/script_sound.h"
#include "player/sound/background.h"
#include "player/sound/queue.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek::player {
namespace {

// The script's sounds reach the right queue and the background set's own lists.
TEST(PlayerScriptSound, BindsToThePlayersQueuesAndBackground) {
    VirtualDevice device;
    TSoundBox box(device);
    SoundBasePaths paths;
    TSeznamZvuku list(paths);
    VolumeSettings volumes;
    SoundEnv env{box, list, paths, volumes};
    TZvukFronta primary(env, "primary"), secondary(env, "secondary");
    TBackFronta background(env);
    PlayerScriptSound sound(primary, secondary, background);

    sound.QueuePrimary("klic|", "");
    sound.QueueSecondary("hrom|20x80", "");
    EXPECT_EQ(primary.Pending(), std::deque<std::string>({"klic|"}));
    EXPECT_EQ(secondary.Pending(), std::deque<std::string>({"hrom|20x80"}));

    background.Finished().add("dest");
    EXPECT_TRUE(sound.BackgroundFinished("DEST"));
    EXPECT_FALSE(sound.BackgroundFinished("vitr"));
    sound.ClearBackgroundFinished();
    EXPECT_FALSE(sound.BackgroundFinished("dest"));
    EXPECT_FALSE(sound.BackgroundPlaying("vitr"));
}

}  // namespace
}  // namespace vek::player
