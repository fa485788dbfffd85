// Any text as a condition: evaluated without crash, hang or unbounded memory.
#include <cstdint>
#include <string_view>

#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vek::player::fuzzing::FuzzWorld f;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int kind = 0; kind <= 12; kind += 4)
        (void)f.engine.EvaluateCondition(text, static_cast<vek::player::EventKind>(kind));
    return 0;
}
