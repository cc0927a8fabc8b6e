#pragma once

#include "drillrules.h"

#include <memory>

namespace drill {

// The clock the drill's waits read: seconds since midnight, with a fraction.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

inline constexpr qint32 kSecondsPerDay = 86400;

// The whole-second reading the waits keep: rounded to nearest, a half to the even neighbour.
qint32 wholeSeconds(double secondsSinceMidnight);

// Whole seconds from start to now; a wait that spans midnight counts on past it.
qint32 secondsElapsed(qint32 start, qint32 now);

std::unique_ptr<Clock> makeSystemClock();
std::unique_ptr<RandomSource> makeSystemRandom();

}  // namespace drill
