// VEK2: the window, or with --walk the walkthrough runner in the terminal.
#include <iostream>

#include "player/shell/walk_runner.h"

#ifdef VEK_HAVE_QT
#include "player/shell/qt/qt_player.h"
#endif

int main(int argc, char** argv) {
    if (vek::player::wantsWalkthrough(argc, argv))
        return vek::player::runWalkthrough(argc, argv, std::cout, std::cerr);
#ifdef VEK_HAVE_QT
    return vek::player::runQtPlayer(argc, argv);
#else
    std::cerr << "VEK2: okno hr\xC3\xA1\xC4\x8D\x65 nen\xC3\xAD v t\xC3\xA9to sestav\xC4\x9B k "
                 "dispozici (bez Qt); hru lze proj\xC3\xADt p\xC5\x99\x65s --walk.\n";
    return 1;
#endif
}
