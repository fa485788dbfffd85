// The main cycle's period, written in scenarios as text ("200 ms", "1,2 sec", "10 min").
#pragma once

#include <cstdint>
#include <string_view>

namespace vek::player {

// ParseCycleInterval: the CYKLUSINTERVAL= value as a number of 200 ms steps, rounded half to
// even; 1 when the text gives no time or a time of 0.
std::int32_t ParseCycleInterval(std::string_view value);

}  // namespace vek::player
