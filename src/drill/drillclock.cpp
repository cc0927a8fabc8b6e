#include "drillclock.h"

#include <QTime>

#include <cmath>
#include <random>

namespace drill {
namespace {

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override
    {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
};

class SystemRandom : public RandomSource {
public:
    SystemRandom() : m_engine(std::random_device{}()) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
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
    if (elapsed < -kSecondsPerDay / 2)
        return elapsed + kSecondsPerDay;
    if (elapsed > kSecondsPerDay / 2)
        return elapsed - kSecondsPerDay;
    return elapsed;
}

std::unique_ptr<Clock> makeSystemClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<RandomSource> makeSystemRandom()
{
    return std::make_unique<SystemRandom>();
}

}  // namespace drill
