// Czech alphabetical order without regard to letter case, the order of every name list the
// author sees and of the saved file.
#pragma once

#include <string>
#include <string_view>

namespace vek::editor {

// A byte string whose plain comparison gives the Czech order of `cp1250` (ch after h, š after
// s, case ignored, accents deciding only between otherwise equal names).
std::string czechSortKey(std::string_view cp1250);

// <0, 0 or >0 as `a` sorts before, with or after `b`.
int czechCompare(std::string_view a, std::string_view b);

}  // namespace vek::editor
