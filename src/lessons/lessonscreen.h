#pragma once

#include "ui/screen/screen.h"

#include <QString>

#include <span>
#include <string_view>

namespace lessons {

// A view of one part of the cell that an enlargement button shows: its picture and the
// explanation file it loads into the list, if any.
struct Enlargement {
    std::string_view button;
    std::string_view picture;
    const char* explanation;  // relative path, or nullptr: the view hides the list
};

// What makes one lesson screen differ from another.
struct LessonSetup {
    const char* caption;
    ui::Layout layout;
    const char* stream1Prefix;  // frames of Image3: "\画像\アニメ\" + prefix + N + ".gif"
    const char* stream2Prefix;  // frames of Image4
    std::span<const Enlargement> enlargements;
    std::span<const int> electrolyteLabels;  // the indices of Label3: one label, or an array
};

// The rows the template reaches by name on every cell, with the kind each must be.
struct TemplateRow {
    std::string_view name;
    ui::Kind kind;
};
inline constexpr TemplateRow kTemplateRows[] = {
    {"Image13", ui::Kind::Image}, {"Command1", ui::Kind::CommandButton}, {"Command4", ui::Kind::CommandButton},
    {"Timer1", ui::Kind::Timer},  {"List1", ui::Kind::ListBox},          {"Label4", ui::Kind::Label},
    {"Label5", ui::Kind::Label},  {"Label6", ui::Kind::Label},           {"Label7", ui::Kind::Label},
    {"Image3", ui::Kind::Image},  {"Image4", ui::Kind::Image},           {"Image5", ui::Kind::Image},
    {"Image6", ui::Kind::Image},  {"Image7", ui::Kind::Image},           {"Image12", ui::Kind::Image},
    {"Image14", ui::Kind::Image}, {"Image15", ui::Kind::Image},          {"Image16", ui::Kind::Image},
};

// Whether a cell's table has every row the template uses: the rows above, each enlargement's
// button and picture, and the electrolyte labels. Each cell checks this of itself when compiled.
constexpr bool hasTemplateRows(const LessonSetup& setup)
{
    const ui::Layout& layout = setup.layout;
    for (const TemplateRow& row : kTemplateRows)
        if (!layout.has(row.name, ui::kNoIndex, row.kind))
            return false;
    for (const Enlargement& view : setup.enlargements)
        if (!layout.has(view.button, ui::kNoIndex, ui::Kind::CommandButton)
            || !layout.has(view.picture, ui::kNoIndex, ui::Kind::Image))
            return false;
    for (int index : setup.electrolyteLabels)
        if (!layout.has("Label3", index, ui::Kind::Label))
            return false;
    return true;
}

// The lesson template: a cell drawing whose switch closes the circuit, an electron-flow
// animation of three steps and a blank one, and enlargement views with explanations.
class LessonScreen : public ui::Screen {
    Q_OBJECT
public:
    LessonScreen(ui::ScreenHost& host, const LessonSetup& setup);

    static constexpr int kAnimationIntervalMs = 400;
    static constexpr int kStepTwips = 300;    // 20 px further per step
    static constexpr int kStepsPerCycle = 4;  // three frames, then a blank tick

    struct State {
        qint16 switchOn = 0;
        qint16 flowRunning = 0;
        qint16 animStep = 0;
        qint16 homeTop5 = 0;
        qint16 homeLeft6 = 0;
        qint16 homeTop7 = 0;
    };
    const State& state() const { return m_state; }

signals:
    void menuRequested();  // the screen has unloaded itself

protected:
    void load() override;

    // Hooks for what a screen does beyond the template, run at the points named.
    virtual void afterLoad() {}
    virtual void afterCircuitClosed() {}
    virtual void beforeCircuitOpened() {}
    virtual void afterCircuitOpened() {}
    virtual void afterFlowStarted() {}
    virtual void afterAnimationStopped() {}

    const State& lessonState() const { return m_state; }

private:
    void image13Click();
    void command1Click();
    void enlargementClick(const Enlargement& view);
    void command4Click();
    void timer1Tick();
    void startAnimation();

    void setElectrolyteLabelsVisible(bool visible);
    void hideEnlargements();
    void setMovingPicturesVisible(bool visible);

    const LessonSetup& m_setup;
    State m_state;
};

}  // namespace lessons
