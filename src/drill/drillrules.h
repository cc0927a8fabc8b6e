#pragma once

#include "questionbank.h"
#include "randomsource.h"

#include <QtGlobal>

#include <array>

namespace drill {

// The drill's rules without widgets: the score, the misses that burst the balloon, and the
// draw that keeps the last 15 questions out.
class DrillRules {
public:
    static constexpr int kRightPoints = 2;
    static constexpr int kWrongPoints = 1;
    static constexpr int kMissesPerBurst = 5;
    static constexpr int kPassScore = 100;
    static constexpr int kWindow = 15;  // a question comes back after 15 others at the earliest
    static constexpr int kMaxRedraws = 64;

    void reset();

    // Draws the next question: uniform over those not blocked, then blocks it and releases the
    // oldest of the window. Rejected draws are bounded, so a stuck source cannot hang the drill.
    int draw(RandomSource& random);

    void markRight();
    void markWrong();
    bool burstDue() const { return m_missCount >= kMissesPerBurst; }
    void burst() { m_missCount = 0; }
    void halve() { m_score = qint16(m_score / 2); }
    bool passed() const { return m_score >= kPassScore; }

    qint16 score() const { return m_score; }
    qint16 missCount() const { return m_missCount; }
    bool isBlocked(int question) const { return m_blocked[question]; }
    const std::array<qint16, kWindow + 1>& recent() const { return m_recent; }

private:
    int pick(RandomSource& random) const;
    void accept(int question);

    qint16 m_score = 0;
    qint16 m_missCount = 0;
    std::array<bool, kQuestionCount + 1> m_blocked{};  // entry 0 takes the empty places' releases
    std::array<qint16, kWindow + 1> m_recent{};        // entries 1..15, oldest first; 0 is empty
};

}  // namespace drill
