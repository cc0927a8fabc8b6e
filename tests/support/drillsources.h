#pragma once

#include "drill/drillclock.h"
#include "drill/randomsource.h"

#include <QList>

namespace testsupport {

// A clock and a random source moved by hand, for the drill's waits and draws.
struct ManualClock : drill::Clock {
    double now = 36000.0;  // 10:00:00
    double secondsSinceMidnight() const override { return now; }
};
struct ScriptedRandom : drill::RandomSource {
    QList<double> values;  // handed out in turn, the last one repeated
    int nextIndex = 0;
    double next() override
    {
        const double value = values.isEmpty() ? 0.0 : values[qMin(nextIndex, int(values.size()) - 1)];
        ++nextIndex;
        return value;
    }
};

}  // namespace testsupport
