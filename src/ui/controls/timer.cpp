#include "timer.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace ui {

Timer::Timer(const ControlSpec& row, QObject* parent) : QObject(parent), m_row(row), m_clock(new QTimer(this))
{
    setObjectName(QString::fromUtf8(row.name.data(), qsizetype(row.name.size())));
    m_clock->setTimerType(Qt::PreciseTimer);
    connect(m_clock, &QTimer::timeout, this, [this] { tick(); });
}

Timer::~Timer() = default;

void Timer::setInterval(int milliseconds)
{
    if (m_retired)
        return;
    // Setting the interval a running clock already has leaves its rhythm alone.
    if (milliseconds == m_interval && m_clock->isActive())
        return;
    m_interval = milliseconds;
    restartClock();
}

bool Timer::isTicking() const
{
    return m_clock->isActive();
}

int Timer::clockInterval() const
{
    return m_clock->interval();
}

void Timer::setPace(bool held, double rate)
{
    if (held == m_held && rate == m_rate)
        return;
    m_held = held;
    m_rate = rate;
    restartClock();
}

void Timer::restartClock()
{
    if (m_retired || m_interval == 0 || m_held) {
        m_clock->stop();
        return;
    }
    // Never 0 ms: Qt would tick at every turn of the event loop.
    m_clock->start(std::max(1, int(std::lround(m_interval / m_rate))));
}

void Timer::retire()
{
    m_retired = true;
    m_interval = 0;
    m_clock->stop();
}

bool Timer::tick()
{
    if (m_held)
        return false;
    return step();
}

bool Timer::step()
{
    if (m_retired || m_interval == 0)
        return false;
    emit ticked();
    return true;
}

}  // namespace ui
