#pragma once

#include "lessonscreen.h"

namespace lessons {

// The Voltaic cell: the lesson template plus hydrogen bubbles on a clock of their own, at the
// zinc plate while the circuit is open and at the copper plate while it is closed.
class VoltaScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit VoltaScreen(ui::ScreenHost& host);

    static constexpr int kBubbleIntervalMs = 50;
    qint16 bubblePhase() const { return m_bubblePhase; }

private:
    void afterLoad() override;
    void afterCircuitClosed() override;
    void beforeCircuitOpened() override;
    void afterCircuitOpened() override;
    void afterFlowStarted() override;
    void afterAnimationStopped() override;

    void timer2Tick();
    void startBubbles();

    qint16 m_bubblePhase = 0;
};

}  // namespace lessons
