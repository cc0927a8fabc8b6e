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
    // Which of the two bubble pictures the next tick puts on the plate's inner column (the one
    // facing the other plate); the outer column gets the other, so each tick swaps them.
    enum class BubblePicture { First, Second };
    BubblePicture nextInnerPicture() const { return m_nextInnerPicture; }

private:
    void afterLoad() override;
    void afterCircuitClosed() override;
    void beforeCircuitOpened() override;
    void afterCircuitOpened() override;
    void afterFlowStarted() override;
    void afterAnimationStopped() override;

    void bubblesTicked();
    void startBubbles();

    BubblePicture m_nextInnerPicture = BubblePicture::First;
};

}  // namespace lessons
