#pragma once

#include "ui/controls/timer.h"

#include <QCoreApplication>
#include <QEvent>

namespace testsupport {

// While one lives, the screens' clocks never tick on real time: a test reaches each moment by its
// own ticks alone. A loaded machine stretches real time, and a clock (the Voltaic bubbles tick
// every 50 ms) would otherwise tick between a test's steps, or before it has looked.
class RealTicksDropped : public QObject {
public:
    RealTicksDropped() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<const ui::Timer*>(watched->parent());
    }
};

}  // namespace testsupport
