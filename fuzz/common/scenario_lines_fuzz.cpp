// Any bytes as a scenario file: header, body lines and blocks.
#include <cstddef>
#include <cstdint>

#include "fuzz/common/scenario_lines_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vek::fuzz::readWholeScenario(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
