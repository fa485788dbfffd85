// VEK2: the window, or with --walk the walkthrough runner in the terminal. Either plays in the
// game directory chosen at start-up (game_dir.h).
#include <iostream>
#include <string>
#include <vector>

#include "player/shell/game_dir.h"
#include "player/shell/walk_runner.h"

#ifdef VEK_HAVE_QT
#include "player/shell/qt/qt_player.h"
#endif

int main(int argc, char** argv) {
    vek::player::GameStart start =
        vek::player::EnterGameDirectory(std::vector<std::string>(argv + 1, argv + argc),
                                        vek::player::ProcessGameDirRequest(), std::cerr);
    std::vector<char*> argp{argv[0]};
    for (std::string& arg : start.args)
        argp.push_back(arg.data());
    argp.push_back(nullptr);
    argc = static_cast<int>(argp.size()) - 1;
    argv = argp.data();

    int status = 1;
    if (vek::player::wantsWalkthrough(argc, argv))
        status = vek::player::runWalkthrough(argc, argv, std::cout, std::cerr, start.places);
#ifdef VEK_HAVE_QT
    else
        status = vek::player::runQtPlayer(argc, argv, start.places);
#else
    else
        std::cerr << "VEK2: okno hráče není v této sestavě k dispozici (bez Qt); hru lze projít "
                     "přes --walk.\n";
#endif
    vek::player::LeaveGameDirectory(start);
    return status;
}
