// Numbers as scenario files and scripts write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vek {

// A decimal integer within 32 bits, with an optional sign and nothing else around it; anything
// else (spaces, letters, an empty text, a value beyond 32 bits) is not a number.
inline std::optional<std::int32_t> parseDecimal32(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == s.size())
        return std::nullopt;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL)
            return std::nullopt;
    }
    v = negative ? -v : v;
    if (v > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

}  // namespace vek
