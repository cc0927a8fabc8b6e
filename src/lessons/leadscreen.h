#pragma once

#include "lessonscreen.h"

namespace lessons {

// The lead storage battery: the lesson template, and 充電, which puts a source across the cell
// (its ＋ to the lead(IV) oxide plate) to charge it. The electrons and ions then run the other
// way, and the reactions, the close-ups and their explanations are those of charging; pressed
// again, or with the circuit opened, the cell discharges once more.
class LeadScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit LeadScreen(ui::ScreenHost& host);

    enum class Mode { Discharging, Charging };
    Mode mode() const { return m_mode; }

private:
    void afterLoad() override;
    void afterCircuitClosed() override;
    void afterCircuitOpened() override;
    Flow flow() const override;
    QString flowWords() const override;
    const char* explanationOf(const Enlargement& view) const override;

    void chargePressed();
    void setMode(Mode mode);

    Mode m_mode = Mode::Discharging;
};

}  // namespace lessons
