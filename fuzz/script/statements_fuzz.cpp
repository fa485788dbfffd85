// Any text as an action part, then as a whole script (one line per input line), against a host
// that answers every wait at once.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vek::player::fuzzing::FuzzWorld f;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    vek::player::EndState end = vek::player::EndState::None;
    f.engine.ExecuteStatements(text, vek::player::EventKind::Examine, end);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    f.world.CycleText = vek::StringList(lines);
    f.world.CycleActive = true;
    f.engine.RunScript(vek::player::EventKind::Use, vek::StringList(std::move(lines)), true);
    f.engine.MainCycleStep();
    return 0;
}
