#include "drillclock.h"

#include <QTime>

#include <cmath>

namespace drill {
namespace {

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
};

}  // namespace

qint32 wholeSeconds(double secondsSinceMidnight)
{
    // Ties to even in the default rounding mode; a reading that rounds up to 86400 is midnight.
    return qint32(std::nearbyint(secondsSinceMidnight)) % kSecondsPerDay;
}

double secondsElapsed(qint32 start, double now)
{
    const double elapsed = now - start;
    if (elapsed < -kSecondsPerDay / 2.0)
        return elapsed + kSecondsPerDay;
    if (elapsed > kSecondsPerDay / 2.0)
        return elapsed - kSecondsPerDay;
    return elapsed;
}

std::unique_ptr<Clock> makeSystemClock()
{
    return std::make_unique<SystemClock>();
}

}  // namespace drill
