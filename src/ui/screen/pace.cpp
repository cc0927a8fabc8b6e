#include "pace.h"

namespace ui {

double Pace::rate() const
{
    switch (m_speed) {
    case Speed::Half: return 0.5;
    case Speed::Normal: return 1.0;
    case Speed::Double: return 2.0;
    }
    return 1.0;
}

void Pace::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    emit changed();
}

void Pace::slower()
{
    setSpeed(m_speed == Speed::Double ? Speed::Normal : Speed::Half);
}

void Pace::faster()
{
    setSpeed(m_speed == Speed::Half ? Speed::Normal : Speed::Double);
}

void Pace::setSpeed(Speed speed)
{
    if (speed == m_speed)
        return;
    m_speed = speed;
    emit changed();
}

}  // namespace ui
