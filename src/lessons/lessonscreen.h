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

// How the electron-flow animation runs: the frames of each ion stream, and whether the electrons
// go the other way round, into the negative electrode (a cell being charged).
struct Flow {
    const char* stream1Prefix;  // "\画像\アニメ\" + prefix + N + ".gif"
    const char* stream2Prefix;
    bool reversed;
};

// The rows the template works on every cell, by what each is for the learner; each string is the
// row's name in the cells' tables.
inline constexpr std::string_view kTitle = "Image2";
inline constexpr std::string_view kSwitch = "Image13";
inline constexpr std::string_view kFlowButton = "Command1";  // 電子の流れ
inline constexpr std::string_view kMenuButton = "Command4";
inline constexpr std::string_view kAnimationClock = "Timer1";
inline constexpr std::string_view kExplanation = "List1";
inline constexpr std::string_view kPrompt = "Label4";             // スイッチを押してください
inline constexpr std::string_view kNegativeSign = "Label5";       // －
inline constexpr std::string_view kPositiveSign = "Label6";       // ＋
inline constexpr std::string_view kEmf = "Label7";                // 起電力
inline constexpr std::string_view kElectrolyteLabels = "Label3";  // one label, or an array
// The moving pictures of the flow: the ions on each electrode's side, and the electrons rising
// in the negative electrode, running along the wire and sinking in the positive one.
inline constexpr std::string_view kNegativeSideIons = "Image3";
inline constexpr std::string_view kPositiveSideIons = "Image4";
inline constexpr std::string_view kNegativeElectrons = "Image5";
inline constexpr std::string_view kWireElectrons = "Image6";
inline constexpr std::string_view kPositiveElectrons = "Image7";
inline constexpr std::string_view kClosedCircuit = "Image12";  // the lit bulb and the pressed switch
inline constexpr std::string_view kNotation = "Image14";
inline constexpr std::string_view kNegativeReaction = "Image15";
inline constexpr std::string_view kPositiveReaction = "Image16";

// What makes one lesson screen differ from another.
struct LessonSetup {
    const char* caption;
    ui::Layout layout;
    const char* stream1Prefix;  // frames of kNegativeSideIons: "\画像\アニメ\" + prefix + N + ".gif"
    const char* stream2Prefix;  // frames of kPositiveSideIons
    std::span<const Enlargement> enlargements;
    std::span<const int> electrolyteLabels;  // the indices of kElectrolyteLabels: one label, or an array
    // What a screen reader says, in the cell's own words, when the switch closes the circuit and
    // when the electrons start to flow.
    const char* closedWords;
    const char* flowWords;
};

// The rows the template reaches by name on every cell, with the kind each must be.
struct TemplateRow {
    std::string_view name;
    ui::Kind kind;
};
inline constexpr TemplateRow kTemplateRows[] = {
    {kTitle, ui::Kind::Image},
    {kSwitch, ui::Kind::Image},
    {kFlowButton, ui::Kind::CommandButton},
    {kMenuButton, ui::Kind::CommandButton},
    {kAnimationClock, ui::Kind::Timer},
    {kExplanation, ui::Kind::ListBox},
    {kPrompt, ui::Kind::Label},
    {kNegativeSign, ui::Kind::Label},
    {kPositiveSign, ui::Kind::Label},
    {kEmf, ui::Kind::Label},
    {kNegativeSideIons, ui::Kind::Image},
    {kPositiveSideIons, ui::Kind::Image},
    {kNegativeElectrons, ui::Kind::Image},
    {kWireElectrons, ui::Kind::Image},
    {kPositiveElectrons, ui::Kind::Image},
    {kClosedCircuit, ui::Kind::Image},
    {kNotation, ui::Kind::Image},
    {kNegativeReaction, ui::Kind::Image},
    {kPositiveReaction, ui::Kind::Image},
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
        if (!layout.has(kElectrolyteLabels, index, ui::Kind::Label))
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
        bool circuitClosed = false;
        bool flowRunning = false;
        qint16 animStep = 0;  // the flow's frame on show, 1 to 3; 0 before the first and at the blank tick
        // Where the moving electrons stand at the first frame, in whole twips read once at load.
        qint16 negativeElectronsHomeTop = 0;
        qint16 wireElectronsHomeLeft = 0;
        qint16 positiveElectronsHomeTop = 0;
    };
    const State& state() const { return m_state; }

signals:
    void menuRequested();  // the screen has unloaded itself

protected:
    void load() override;
    // The lesson opens on its title, with what to do first.
    void activate() override;

    // Hooks for what a screen does beyond the template, run at the points named.
    virtual void afterLoad() {}
    virtual void afterCircuitClosed() {}
    virtual void beforeCircuitOpened() {}
    virtual void afterCircuitOpened() {}
    virtual void afterFlowStarted() {}
    virtual void afterAnimationStopped() {}
    virtual void afterCycle() {}  // the blank tick that ends each cycle of the flow

    virtual Flow flow() const { return {m_setup.stream1Prefix, m_setup.stream2Prefix, false}; }
    // What the flow on show does, as a reader says it.
    virtual QString flowWords() const { return QString::fromUtf8(m_setup.flowWords); }
    // The explanation an enlargement loads into the list, or nullptr for none.
    virtual const char* explanationOf(const Enlargement& view) const { return view.explanation; }

    const State& lessonState() const { return m_state; }
    // What 電子の流れ does: the flow shown and running, from the step after the last one shown.
    void flowPressed();
    // The next tick begins a cycle afresh, with nothing of the old one left on show.
    void restartCycle();

private:
    void switchPressed();
    void enlargementPressed(const Enlargement& view);
    void menuPressed();
    void animationTicked();
    void startAnimation();

    void setElectrolyteLabelsVisible(bool visible);
    void hideEnlargements();
    void setMovingPicturesVisible(bool visible);

    const LessonSetup& m_setup;
    State m_state;
};

}  // namespace lessons
