#include "player/world/cycle_interval.h"

#include "common/numbers.h"

#include <limits>
#include <optional>
#include <string>

namespace vek::player {

namespace {

using Wide = __int128;

// A decimal number as a fraction: value = numerator / denominator.
struct Decimal {
    Wide numerator = 1;
    Wide denominator = 1;
};

// More fraction digits than this cannot change the result but could overflow; a non-zero digit
// beyond them still counts, so that an exact half is never mistaken for a value above it.
constexpr std::size_t kMaxFractionDigits = 18;

// The whole part (1 when it is no number) plus the digits after the point as a decimal
// fraction (none when any of them is not a digit).
Decimal numberValue(std::string_view number) {
    std::size_t dot = number.find('.');
    Wide whole = parseDecimal32(number.substr(0, dot)).value_or(1);
    if (dot == std::string_view::npos)
        return {whole, 1};
    std::string_view digits = number.substr(dot + 1);
    for (char c : digits)
        if (c < '0' || c > '9')
            return {whole, 1};
    Wide fraction = 0, scale = 1;
    for (std::size_t i = 0; i < digits.size() && i < kMaxFractionDigits; ++i) {
        fraction = fraction * 10 + (digits[i] - '0');
        scale *= 10;
    }
    if (digits.size() > kMaxFractionDigits &&
        digits.find_first_not_of('0', kMaxFractionDigits) != std::string_view::npos) {
        fraction = fraction * 10 + 1;  // the sticky digit
        scale *= 10;
    }
    return {whole * scale + fraction, scale};
}

int unitFactor(std::string_view unit) {
    if (unit == "sec" || unit == "s")
        return 1000;
    if (unit == "min" || unit == "m")
        return 60000;
    if (unit == "hod" || unit == "h")
        return 3600000;
    return 1;
}

// numerator / denominator (denominator > 0) to the nearest whole number, halves to the even one.
Wide roundHalfEven(Wide numerator, Wide denominator) {
    Wide q = numerator / denominator, r = numerator % denominator;
    if (r < 0) {
        --q;
        r += denominator;
    }
    if (2 * r > denominator || (2 * r == denominator && q % 2 != 0))
        ++q;
    return q;
}

}  // namespace

std::int32_t ParseCycleInterval(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == ',' || c == ':')
            c = '.';
    if (!v.empty() && v.front() == ' ')
        v.erase(0, 1);
    if (!v.empty() && v.back() == ' ')
        v.pop_back();

    std::string_view number = v, unit;
    std::size_t space = v.size() > 2 ? v.find(' ', 1) : std::string::npos;
    if (space != std::string::npos && space + 1 < v.size()) {
        number = std::string_view(v).substr(0, space);
        unit = std::string_view(v).substr(space + 1);
    }

    // Milliseconds in steps of 200, computed exactly.
    Decimal amount = numberValue(number);
    Wide ms = amount.numerator * unitFactor(unit);
    if (ms == 0)
        return 1;
    Wide steps = roundHalfEven(ms, amount.denominator * 200);
    constexpr Wide lo = std::numeric_limits<std::int32_t>::min();
    constexpr Wide hi = std::numeric_limits<std::int32_t>::max();
    if (steps < lo)
        return std::numeric_limits<std::int32_t>::min();
    if (steps > hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(steps);
}

}  // namespace vek::player
