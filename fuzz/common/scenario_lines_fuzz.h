// Reads a whole scenario the way the loaders do: value lines one by one, and a block after each
// line that ends in "=" with nothing after it. Traps when a returned line still holds a line end.
#pragma once

#include <string>

#include "common/scenario_format.h"

namespace vek::fuzz {

inline void readWholeScenario(std::string bytes) {
    ScenarioLineSource source(std::move(bytes));
    auto check = [](const std::string& line) {
        if (line.find('\n') != std::string::npos || (!line.empty() && line.back() == '\r'))
            __builtin_trap();
    };
    check(source.header());
    check(source.storedPassword());
    std::size_t guard = 0;
    while (!source.atEnd()) {
        std::string line = source.NextScenarioLine();
        check(line);
        if (!line.empty() && line.back() == '=')
            for (const auto& content : source.ReadBlock())
                check(content);
        if (++guard > (1u << 24))
            __builtin_trap();  // the reader must always move forward
    }
    if (!source.NextScenarioLine().empty())
        __builtin_trap();
}

}  // namespace vek::fuzz
