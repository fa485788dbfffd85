// Mirela2, the scenario editor. With window-less arguments it converts or exports and ends;
// otherwise it starts the editor's window.
#include <iostream>
#include <string>
#include <vector>

#include "editor/ui/command_line.h"

namespace {

int startWindow(int, char**) {
    std::cerr << "Okno editoru nen\u00ed v t\u00e9to verzi programu k dispozici; "
                 "pou\u017eijte --help.\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (std::optional<int> code = vek::editor::RunCommandLine(args, std::cout, std::cerr))
        return *code;
    return startWindow(argc, argv);
}
