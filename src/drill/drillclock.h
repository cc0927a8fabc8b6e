#pragma once

#include <QtGlobal>

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

// Seconds from a whole-second start to a reading with its fraction; a wait that spans midnight
// counts on past it, and a reading a little before a start rounded up is not a day later.
double secondsElapsed(qint32 start, double now);

std::unique_ptr<Clock> makeSystemClock();

// A clock that stands still until moved: for the tools that step the drill's waits themselves.
struct HandClock : Clock {
    explicit HandClock(double start) : now(start) {}
    double secondsSinceMidnight() const override { return now; }
    double now;
};

}  // namespace drill
