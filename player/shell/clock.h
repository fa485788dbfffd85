// Time as the player's timer sees it: the second of the day, for counting script timers.
#pragma once

#include <cstdint>

namespace vek::player {

class Clock {
  public:
    virtual ~Clock() = default;
    // Hours × 3600 + minutes × 60 + seconds of the local time.
    virtual int secondOfDay() const = 0;
};

// The wall clock.
class SystemClock : public Clock {
  public:
    int secondOfDay() const override;
};

// A clock that moves only when told: one timer tick is 100 ms.
class VirtualClock : public Clock {
  public:
    explicit VirtualClock(int startSecond = 0) : startSecond_(startSecond) {}
    int secondOfDay() const override;
    void advanceTicks(std::int64_t ticks) { ticks_ += ticks; }
    std::int64_t ticks() const { return ticks_; }

  private:
    int startSecond_;
    std::int64_t ticks_ = 0;
};

}  // namespace vek::player
