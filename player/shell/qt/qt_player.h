// The player with its window: splash, main window, options dialog and the event loop.
#pragma once

namespace vek::player {

// Runs VEK2 with its window until the window closes; answers the exit status.
// Arguments: an optional scenario file for "Nová hra"; --trace writes report.txt.
int runQtPlayer(int argc, char** argv);

}  // namespace vek::player
