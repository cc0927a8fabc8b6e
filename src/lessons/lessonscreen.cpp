#include "lessonscreen.h"

#include "ui/accessibility/announce.h"
#include "ui/screen/controls.h"

namespace lessons {
namespace {

constexpr std::string_view kMovingPictures[] = {kNegativeSideIons, kPositiveSideIons, kNegativeElectrons,
                                                kWireElectrons, kPositiveElectrons};
// Shown by closing the circuit, hidden by opening it, besides the enlargement buttons.
constexpr std::string_view kShownWhenClosed[] = {kNegativeSign, kPositiveSign, kClosedCircuit,
                                                 kEmf,          kNotation,     kFlowButton};

const QString kCircuitCut = QStringLiteral("回路が切れました。");
const QString kSwitchOpens = QStringLiteral("押すと回路が切れます。");

QString framePath(const char* prefix, int step)
{
    return QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(QString::fromUtf8(prefix)).arg(step);
}

}  // namespace

LessonScreen::LessonScreen(ui::ScreenHost& host, const LessonSetup& setup)
    : Screen(host, QString::fromUtf8(setup.caption), setup.layout), m_setup(setup)
{
    onClick(kSwitch, [this](int) { switchPressed(); });
    onClick(kFlowButton, [this](int) {
        flowPressed();
        ui::announce(&control(kNegativeReaction).widget(), flowWords());
    });
    onClick(kMenuButton, [this](int) { menuPressed(); });
    for (const Enlargement& view : m_setup.enlargements)
        onClick(view.button, [this, &view](int) { enlargementPressed(view); });
    onTick(kAnimationClock, [this] { animationTicked(); });
}

void LessonScreen::load()
{
    m_state.animStep = 0;
    m_state.flowRunning = false;
    m_state.circuitClosed = false;
    // Whole twips, read once: every step is placed from these, so the pictures never drift.
    m_state.negativeElectronsHomeTop = qint16(qRound(image(kNegativeElectrons).topTwips()));
    m_state.wireElectronsHomeLeft = qint16(qRound(image(kWireElectrons).leftTwips()));
    m_state.positiveElectronsHomeTop = qint16(qRound(image(kPositiveElectrons).topTwips()));
    afterLoad();
}

void LessonScreen::activate()
{
    ui::announce(&control(kTitle).widget(), label(kPrompt).caption());
}

void LessonScreen::switchPressed()
{
    if (!m_state.circuitClosed) {
        m_state.circuitClosed = true;
        m_state.flowRunning = false;
        m_state.animStep = 0;
        image(kSwitch).setChecked(true);
        setVisible(kPrompt, false);
        setVisible(kExplanation, false);
        for (std::string_view name : kShownWhenClosed)
            setVisible(name, true);
        for (const Enlargement& view : m_setup.enlargements)
            setVisible(view.button, true);
        afterCircuitClosed();
        // Heard at the lit bulb, which is what changed.
        ui::announce(&control(kClosedCircuit).widget(), QString::fromUtf8(m_setup.closedWords) + kSwitchOpens);
        return;
    }
    beforeCircuitOpened();
    m_state.circuitClosed = false;
    image(kSwitch).setChecked(false);
    m_state.flowRunning = false;
    m_state.animStep = 0;
    setInterval(kAnimationClock, 0);
    for (std::string_view name : kShownWhenClosed)
        setVisible(name, false);
    setVisible(kExplanation, false);
    for (const Enlargement& view : m_setup.enlargements)
        setVisible(view.button, false);
    setMovingPicturesVisible(false);
    setVisible(kNegativeReaction, false);
    setVisible(kPositiveReaction, false);
    hideEnlargements();
    setElectrolyteLabelsVisible(true);
    setVisible(kPrompt, true);
    afterCircuitOpened();
    // Heard at the words asking for the switch again.
    ui::announce(&label(kPrompt), kCircuitCut + ui::toQString(control(kSwitch).row().content.text));
}

void LessonScreen::flowPressed()
{
    m_state.flowRunning = true;
    setElectrolyteLabelsVisible(false);
    setVisible(kNotation, false);
    hideEnlargements();
    setVisible(kExplanation, false);
    setVisible(kNegativeReaction, true);
    setVisible(kPositiveReaction, true);
    startAnimation();
    afterFlowStarted();
}

void LessonScreen::enlargementPressed(const Enlargement& view)
{
    m_state.flowRunning = false;
    setElectrolyteLabelsVisible(false);
    setInterval(kAnimationClock, 0);
    afterAnimationStopped();
    setMovingPicturesVisible(false);
    hideEnlargements();
    setVisible(view.picture, true);
    QWidget& picture = control(view.picture).widget();
    if (const char* explanation = explanationOf(view)) {
        loadList(kExplanation, QString::fromUtf8(explanation));
        setVisible(kExplanation, true);
        // Heard from its first line, with the picture it explains.
        ui::announce(&list(kExplanation), picture.accessibleName());
    } else {
        setVisible(kExplanation, false);
        ui::announce(&picture, picture.accessibleDescription());
    }
}

void LessonScreen::menuPressed()
{
    unload();
    emit menuRequested();
}

void LessonScreen::animationTicked()
{
    if (!m_state.flowRunning)
        return;
    m_state.animStep = qint16(m_state.animStep + 1);
    const int step = m_state.animStep;
    if (step >= 1 && step < kStepsPerCycle) {
        const Flow now = flow();
        loadPicture(kNegativeSideIons, framePath(now.stream1Prefix, step));
        loadPicture(kPositiveSideIons, framePath(now.stream2Prefix, step));
        // Run backwards, each picture starts where it ends when running forwards.
        const int forward = kStepTwips * (step - 1);
        const int offset = now.reversed ? kStepTwips * (kStepsPerCycle - 2) - forward : forward;
        image(kNegativeElectrons).setTopTwips(m_state.negativeElectronsHomeTop - offset);
        image(kWireElectrons).setLeftTwips(m_state.wireElectronsHomeLeft + offset);
        image(kPositiveElectrons).setTopTwips(m_state.positiveElectronsHomeTop + offset);
        setMovingPicturesVisible(true);
    } else if (step == kStepsPerCycle) {
        m_state.animStep = 0;
        setMovingPicturesVisible(false);
        afterCycle();
    }
}

void LessonScreen::restartCycle()
{
    m_state.animStep = 0;
    setMovingPicturesVisible(false);
}

void LessonScreen::startAnimation()
{
    setInterval(kAnimationClock, kAnimationIntervalMs);
}

void LessonScreen::setElectrolyteLabelsVisible(bool visible)
{
    for (int index : m_setup.electrolyteLabels)
        setVisible({kElectrolyteLabels, index}, visible);
}

void LessonScreen::hideEnlargements()
{
    for (const Enlargement& view : m_setup.enlargements)
        setVisible(view.picture, false);
}

void LessonScreen::setMovingPicturesVisible(bool visible)
{
    for (std::string_view name : kMovingPictures)
        setVisible(name, visible);
}

}  // namespace lessons
