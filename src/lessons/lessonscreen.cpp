#include "lessonscreen.h"

#include "ui/screen/controls.h"

namespace lessons {
namespace {

constexpr const char* kMovingPictures[] = {"Image3", "Image4", "Image5", "Image6", "Image7"};
// Shown by closing the circuit, hidden by opening it, besides the enlargement buttons.
constexpr const char* kShownWhenClosed[] = {"Label5", "Label6", "Image12", "Label7", "Image14", "Command1"};

QString framePath(const char* prefix, int step)
{
    return QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(QString::fromUtf8(prefix)).arg(step);
}

}  // namespace

LessonScreen::LessonScreen(ui::ScreenHost& host, const LessonSetup& setup)
    : Screen(host, QString::fromUtf8(setup.caption), setup.layout), m_setup(setup)
{
    onClick("Image13", [this](int) { image13Click(); });
    onClick("Command1", [this](int) { command1Click(); });
    onClick("Command4", [this](int) { command4Click(); });
    for (const Enlargement& view : m_setup.enlargements)
        onClick(view.button, [this, &view](int) { enlargementClick(view); });
    onTick("Timer1", [this] { timer1Tick(); });
}

void LessonScreen::load()
{
    m_state.animStep = 0;
    m_state.flowRunning = 0;
    m_state.switchOn = 0;
    // Whole twips, read once: every step is placed from these, so the pictures never drift.
    m_state.homeTop5 = qint16(qRound(image("Image5").topTwips()));
    m_state.homeLeft6 = qint16(qRound(image("Image6").leftTwips()));
    m_state.homeTop7 = qint16(qRound(image("Image7").topTwips()));
    afterLoad();
}

void LessonScreen::image13Click()
{
    if (m_state.switchOn == 0) {
        m_state = {1, 0, 0, m_state.homeTop5, m_state.homeLeft6, m_state.homeTop7};
        image("Image13").setChecked(true);
        setVisible("Label4", false);
        setVisible("List1", false);
        for (const char* name : kShownWhenClosed)
            setVisible(name, true);
        for (const Enlargement& view : m_setup.enlargements)
            setVisible(view.button, true);
        afterCircuitClosed();
        return;
    }
    beforeCircuitOpened();
    m_state.switchOn = 0;
    image("Image13").setChecked(false);
    m_state.flowRunning = 0;
    m_state.animStep = 0;
    setInterval("Timer1", 0);
    for (const char* name : kShownWhenClosed)
        setVisible(name, false);
    setVisible("List1", false);
    for (const Enlargement& view : m_setup.enlargements)
        setVisible(view.button, false);
    setMovingPicturesVisible(false);
    setVisible("Image15", false);
    setVisible("Image16", false);
    hideEnlargements();
    setElectrolyteLabelsVisible(true);
    setVisible("Label4", true);
    afterCircuitOpened();
}

void LessonScreen::command1Click()
{
    m_state.flowRunning = 1;
    setElectrolyteLabelsVisible(false);
    setVisible("Image14", false);
    hideEnlargements();
    setVisible("List1", false);
    setVisible("Image15", true);
    setVisible("Image16", true);
    startAnimation();
    afterFlowStarted();
}

void LessonScreen::enlargementClick(const Enlargement& view)
{
    m_state.flowRunning = 0;
    setElectrolyteLabelsVisible(false);
    setInterval("Timer1", 0);
    afterAnimationStopped();
    setMovingPicturesVisible(false);
    hideEnlargements();
    setVisible(view.picture, true);
    if (view.explanation) {
        loadList("List1", QString::fromUtf8(view.explanation));
        setVisible("List1", true);
    } else {
        setVisible("List1", false);
    }
}

void LessonScreen::command4Click()
{
    unload();
    emit menuRequested();
}

void LessonScreen::timer1Tick()
{
    if (m_state.flowRunning != 1)
        return;
    m_state.animStep = qint16(m_state.animStep + 1);
    const int step = m_state.animStep;
    if (step >= 1 && step < kStepsPerCycle) {
        loadPicture("Image3", framePath(m_setup.stream1Prefix, step));
        loadPicture("Image4", framePath(m_setup.stream2Prefix, step));
        const int offset = kStepTwips * (step - 1);
        image("Image5").setTopTwips(m_state.homeTop5 - offset);
        image("Image6").setLeftTwips(m_state.homeLeft6 + offset);
        image("Image7").setTopTwips(m_state.homeTop7 + offset);
        setMovingPicturesVisible(true);
    } else if (step == kStepsPerCycle) {
        m_state.animStep = 0;
        setMovingPicturesVisible(false);
    }
}

void LessonScreen::startAnimation()
{
    setInterval("Timer1", kAnimationIntervalMs);
}

void LessonScreen::setElectrolyteLabelsVisible(bool visible)
{
    for (int index : m_setup.electrolyteLabels)
        setVisible({"Label3", index}, visible);
}

void LessonScreen::hideEnlargements()
{
    for (const Enlargement& view : m_setup.enlargements)
        setVisible(view.picture, false);
}

void LessonScreen::setMovingPicturesVisible(bool visible)
{
    for (const char* name : kMovingPictures)
        setVisible(name, visible);
}

}  // namespace lessons
