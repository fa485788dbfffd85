// The player with its window: splash, main window, options dialog and the event loop.
#pragma once

#include <string>

#include "player/shell/game_dir.h"

namespace vek::player {

// Runs VEK2 with its window until the window closes; answers the exit status.
// Arguments: an optional scenario file for "Nová hra"; --trace writes report.txt.
// `places` is what start-up decided for the run (game_dir.h).
int runQtPlayer(int argc, char** argv, const PlayerPlaces& places = {});

}  // namespace vek::player
