#pragma once

#include "ui/layout/layout.h"

#include <QObject>

class QTimer;

namespace ui {

// Interval 0 stops the clock, any other value starts it. Ticks are merged, never queued: a slow
// handler delays the next tick instead of causing a burst. An animation clock also follows the
// teacher's pace: held, it keeps its interval but neither ticks nor wakes the program; at a rate
// it ticks that many times as often.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const ControlSpec& row, QObject* parent);
    ~Timer() override;

    const ControlSpec& row() const { return m_row; }
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    // Set going by its screen, held or not.
    bool isRunning() const { return m_interval != 0; }
    // Whether the clock under it will wake the program, and how often.
    bool isTicking() const;
    int clockInterval() const;

    void setPace(bool held, double rate);
    bool isHeld() const { return m_held; }

    // Stops for good: a timer of an unloaded screen never ticks again, even if a tick was due.
    void retire();

    // Ticks now if the timer is running and not held; tests drive time with it. Returns whether
    // it ticked.
    bool tick();
    // Ticks once now if the timer is running, held or not: the teacher's step through a paused
    // animation.
    bool step();

signals:
    void ticked();

private:
    const ControlSpec& m_row;
    QTimer* m_clock;
    void restartClock();

    int m_interval = 0;
    bool m_retired = false;
    bool m_held = false;
    double m_rate = 1.0;
};

}  // namespace ui
