#pragma once

#include "testprogram.h"

#include <QPointF>
#include <QRgb>
#include <QString>

#include <span>

// The screens' layouts as the learner meets them, typed afresh from the screens' descriptions
// (twips, front to back), never read from the program's own tables; and a visit that drives a
// screen by clicking where those layouts put its controls.
namespace testsupport {

inline constexpr QRgb kNoColour = 0;

// One control as laid out. `moment` names the first moment of a visit in which the user sees it
// (see Visit::reach); `above` is the control the pointer finds at its centre then, when that is
// another one.
struct LaidOut {
    const char* moment;
    const char* name;
    const char* in;  // its container, "" for the window
    double left, top, width, height;
    bool atLoad;
    const char* words = nullptr;  // a label's caption, or the words on a picture button
    QRgb ground = kNoColour, text = kNoColour;
    const char* above = nullptr;
};

struct ScreenLayout {
    app::ScreenId id;
    const char* label;
    std::span<const LaidOut> own;
    std::span<const LaidOut> shared = {};  // the rows every lesson has alike

    const LaidOut* row(const QString& name) const;
    // The control's top-left corner in the window, in twips, through its containers.
    QPointF origin(const LaidOut& row) const;
    QPointF centre(const LaidOut& row) const;
};

std::span<const ScreenLayout> screenLayouts();
const ScreenLayout& layoutOf(app::ScreenId id);

// The four lessons, and whether each has a third enlargement, Image8.
struct Lesson {
    app::ScreenId id;
    const char* name;
    bool third;
};
std::span<const Lesson> lessons();

// A screen opened in a test program and driven by clicks at its controls' places.
class Visit {
public:
    Visit(TestProgram& program, app::ScreenId id);

    TestProgram& program;
    ui::Screen& screen;
    const ScreenLayout& layout;

    QPointF centre(const QString& name) const;
    // Clicks at the control's centre; fails the test when another control lies there.
    void press(const QString& name);
    // Ticks the timer until it stops; on the drill each tick comes half a second later.
    void runOut(const char* timer);
    // Brings the screen from its opening to a named moment, as the user gets there:
    //   lessons: load, bubbles, closed, closedBubbles, flowing, charging (鉛蓄電池), negative,
    //   positive, third;
    //   原理: page1 to page4, table, pressed, animating; ドリル: load, marked, missed, scored, burst,
    //   notice.
    void reach(const QString& moment);
    // Answers the question on show, right or wrong, and lets the mark wait end unless told not to.
    void answer(bool right, bool waitOut = true);
};

// Rows of a data table with the columns "screen", "moment" and "view": every lesson at every
// moment in which a view lies over its drawing (the lit bulb, the electrons on the wire, each
// enlargement), or at its enlargements only.
void addLessonViewRows(bool enlargementsOnly = false);
// The current row's lesson, opened in the program and brought to the row's moment.
Visit visitOfRow(TestProgram& program);

}  // namespace testsupport
