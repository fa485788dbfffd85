// The player with its window: splash, main window, options dialog and the event loop.
#pragma once

#include <string>

namespace vek::player {

// Runs VEK2 with its window until the window closes; answers the exit status.
// Arguments: an optional scenario file for "Nová hra"; --trace writes report.txt.
// `programPath`, when not empty, is the sounds' base for this run (game_dir.h).
int runQtPlayer(int argc, char** argv, const std::string& programPath = {});

}  // namespace vek::player
