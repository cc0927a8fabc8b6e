#include "timer.h"

#include <QTimer>

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
    if (milliseconds == 0)
        m_clock->stop();
    else
        m_clock->start(milliseconds);
}

void Timer::retire()
{
    m_retired = true;
    m_interval = 0;
    m_clock->stop();
}

bool Timer::tick()
{
    if (m_retired || m_interval == 0)
        return false;
    emit ticked();
    return true;
}

}  // namespace ui
