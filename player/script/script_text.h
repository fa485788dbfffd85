// Small text rules shared by conditions and actions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace vek::player::script_text {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isQuote(char c) {
    return c == '"' || c == '\'';
}

// One quote character (double or single) removed at each end where present.
inline std::string_view withoutQuotes(std::string_view s) {
    if (!s.empty() && isQuote(s.front()))
        s.remove_prefix(1);
    if (!s.empty() && isQuote(s.back()))
        s.remove_suffix(1);
    return s;
}

// Characters 2 and 3 (0-based 1 and 2) as a variable number, when both are digits.
inline std::optional<int> variableNumber(std::string_view token) {
    if (token.size() < 3 || !isDigit(token[1]) || !isDigit(token[2]))
        return std::nullopt;
    return (token[1] - '0') * 10 + (token[2] - '0');
}

}  // namespace vek::player::script_text
