#include "player/world/cycle_interval.h"

#include "common/numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace vek::player {

namespace {

double fraction(std::string_view digits) {
    double f = 0, scale = 0.1;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        f += (c - '0') * scale;
        scale /= 10;
    }
    return f;
}

double numberValue(std::string_view number) {
    std::size_t dot = number.find('.');
    if (dot == std::string_view::npos)
        return static_cast<double>(parseDecimal32(number).value_or(1));
    double whole = static_cast<double>(parseDecimal32(number.substr(0, dot)).value_or(1));
    double f = fraction(number.substr(dot + 1));
    return whole + f;
}

double unitFactor(std::string_view unit) {
    if (unit == "sec" || unit == "s")
        return 1000;
    if (unit == "min" || unit == "m")
        return 60000;
    if (unit == "hod" || unit == "h")
        return 3600000;
    return 1;
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

    double ms = numberValue(number) * unitFactor(unit);
    if (ms == 0)
        return 1;
    // Steps of 200 ms, halves to the even neighbour (the default rounding mode).
    double steps = std::nearbyint(ms / 200.0);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (steps < lo)
        return std::numeric_limits<std::int32_t>::min();
    if (steps > hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(steps);
}

}  // namespace vek::player
