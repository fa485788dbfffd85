// Mirela2, the scenario editor. With window-less arguments it converts or exports and ends;
// otherwise it opens the editor's window.
#include <iostream>
#include <string>
#include <vector>

#include "editor/cli/command_line.h"

#ifdef MIRELA_HAVE_QT
#include "editor/ui/qt_editor.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (std::optional<int> code = vek::editor::RunCommandLine(args, std::cout, std::cerr))
        return *code;
#ifdef MIRELA_HAVE_QT
    return vek::editor::runQtEditor(argc, argv);
#else
    std::cerr << "Okno editoru nen\u00ed v t\u00e9to sestav\u011b k dispozici (bez Qt); "
                 "pou\u017eijte --help.\n";
    return 1;
#endif
}
