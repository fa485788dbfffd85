#include "player/shell/clock.h"

#include <ctime>

namespace vek::player {

int SystemClock::secondOfDay() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

int VirtualClock::secondOfDay() const {
    return static_cast<int>((startSecond_ + ticks_ / 10) % 86400);
}

}  // namespace vek::player
