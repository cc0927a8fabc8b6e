#pragma once

#include "ui/layout/layout.h"

#include <QObject>

class QTimer;

namespace ui {

// Interval 0 stops the clock, any other value starts it. Ticks are merged, never queued: a slow
// handler delays the next tick instead of causing a burst.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const ControlSpec& row, QObject* parent);
    ~Timer() override;

    const ControlSpec& row() const { return m_row; }
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isRunning() const { return m_interval != 0; }

    // Stops for good: a timer of an unloaded screen never ticks again, even if a tick was due.
    void retire();

    // Ticks now if the timer is running; tests drive time with it. Returns whether it ticked.
    bool tick();

signals:
    void ticked();

private:
    const ControlSpec& m_row;
    QTimer* m_clock;
    int m_interval = 0;
    bool m_retired = false;
};

}  // namespace ui
