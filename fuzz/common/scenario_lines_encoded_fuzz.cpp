// Any bytes as the key line, password and body of an encoded scenario file; also checks that
// every line written by the encoded writer reads back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "common/text_file.h"
#include "fuzz/common/scenario_lines_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string file(vek::kEncodedHeader);
    file += "\r\n";
    vek::fuzz::readWholeScenario(file + input);

    // The first line of the input as a password, the rest as body lines.
    auto lines = vek::splitLines(input);
    if (lines.empty())
        return 0;
    try {
        vek::ScenarioWriter writer(lines.front());
        for (std::size_t i = 1; i < lines.size(); ++i)
            writer.line(lines[i]);
        vek::ScenarioLineSource source(writer.bytes());
        if (source.encoded() != writer.encoded())
            __builtin_trap();
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::string expected = lines[i];
            std::replace(expected.begin(), expected.end(), '\r', ' ');  // the writer's rule
            if (source.NextScenarioLine() != expected)
                __builtin_trap();
        }
    } catch (const vek::UnwritablePasswordError&) {
        if (vek::keyIsWritable(*vek::keyForPassword(lines.front())))
            __builtin_trap();
    }
    return 0;
}
