#pragma once

#include "lessonscreen.h"

namespace lessons {

// The Voltaic cell: the lesson template plus hydrogen bubbles on a clock of their own, at the
// zinc plate while the circuit is open, and while it is closed at the copper plate and a few
// still at the zinc, which goes on reacting with the acid directly; and a lamp that dims.
class VoltaScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit VoltaScreen(ui::ScreenHost& host);

    static constexpr int kBubbleIntervalMs = 50;
    // Which of the two bubble pictures the next tick puts on the plate's inner column (the one
    // facing the other plate); the outer column gets the other, so each tick swaps them.
    enum class BubblePicture { First, Second };
    BubblePicture nextInnerPicture() const { return m_nextInnerPicture; }

    // The lamp dims within seconds of closing the circuit, as the cell's voltage falls: counted
    // in bubble ticks, so it waits while an enlargement has the bubbles frozen.
    static constexpr int kDimmingTicks = 20;  // 1 s
    static constexpr int kDimTicks = 50;      // 2.5 s
    enum class Lamp { Bright, Dimming, Dim };
    Lamp lamp() const { return m_lamp; }

private:
    void afterLoad() override;
    void afterCircuitClosed() override;
    void beforeCircuitOpened() override;
    void afterCircuitOpened() override;
    void afterFlowStarted() override;
    void afterAnimationStopped() override;

    void bubblesTicked();
    void startBubbles();
    void setLamp(Lamp lamp);

    BubblePicture m_nextInnerPicture = BubblePicture::First;
    Lamp m_lamp = Lamp::Bright;
    int m_ticksClosed = 0;
};

}  // namespace lessons
