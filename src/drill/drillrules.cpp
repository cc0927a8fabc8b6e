#include "drillrules.h"

#include <algorithm>
#include <cmath>

namespace drill {

void DrillRules::reset()
{
    m_missCount = 0;
    m_score = 0;
    m_blocked.fill(false);
    m_recent.fill(0);
}

int DrillRules::pick(RandomSource& random) const
{
    const double r = std::clamp(random.next(), 0.0, std::nextafter(1.0, 0.0));
    return int(std::floor(r * kQuestionCount)) + 1;
}

int DrillRules::draw(RandomSource& random)
{
    int question = pick(random);
    for (int attempt = 1; isBlocked(question) && attempt < kMaxRedraws; ++attempt)
        question = pick(random);
    // A source that keeps landing on blocked questions gets the next free one after its last
    // draw: at most 15 are blocked, so one is always free.
    while (isBlocked(question))
        question = question % kQuestionCount + 1;
    accept(question);
    return question;
}

void DrillRules::accept(int question)
{
    m_blocked[m_recent[1]] = false;
    m_blocked[question] = true;
    for (int i = 1; i < kWindow; ++i)
        m_recent[i] = m_recent[i + 1];
    m_recent[kWindow] = qint16(question);
}

void DrillRules::markRight()
{
    m_score = qint16(m_score + kRightPoints);
}

void DrillRules::markWrong()
{
    m_missCount = qint16(m_missCount + 1);
    m_score = qint16(std::max(0, m_score - kWrongPoints));
}

}  // namespace drill
