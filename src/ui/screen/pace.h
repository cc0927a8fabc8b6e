#pragma once

#include <QObject>

namespace ui {

// How fast the animations run, for the whole program: paused or not, and at half, normal or
// double speed. Only the timers a layout marks as animation clocks follow it. Kept for the run
// only; a pause ends when its screen is left, the speed stays until changed.
class Pace : public QObject {
    Q_OBJECT
public:
    enum class Speed { Half, Normal, Double };

    bool isPaused() const { return m_paused; }
    Speed speed() const { return m_speed; }
    // How many times faster than laid out: an animation clock ticks at its interval / rate.
    double rate() const;

    void setPaused(bool paused);
    // One step slower or faster; at half or double speed it stays there.
    void slower();
    void faster();

signals:
    void changed();

private:
    void setSpeed(Speed speed);

    bool m_paused = false;
    Speed m_speed = Speed::Normal;
};

}  // namespace ui
