// The walkthrough runner: plays a key file against the player without a window or a sound
// card, on virtual time (a tick is 100 ms), and prints a transcript of what the player shows,
// says and plays. For scenario authors' regression tests and this project's end-to-end tests.
#pragma once

#include <iosfwd>
#include <string>

#include "player/shell/game_dir.h"

namespace vek::player {

// Handles "VEK2 --walk KEYFILE [SCENARIO] [--seed N] [--timestamps] [--trace]" and
// "--help" / "--version". Answers the exit status: 0 done, 2 for a bad key file or bad
// arguments.
// `places` is what start-up decided for the run (game_dir.h).
int runWalkthrough(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const PlayerPlaces& places = {});

// Whether the command line asks for the runner (or for help or the version) rather than for
// the window.
bool wantsWalkthrough(int argc, char** argv);

}  // namespace vek::player
