#include "drillscreen.h"

#include "ui/pictures/afterpaint.h"
#include "ui/screen/controls.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRegularExpression>

namespace drill {

struct Mark {
    QString picture;
    QString name;
};

namespace {

using namespace ui;

constexpr Colour kNavy = bgr(0x00800000);
constexpr TextStyle kChoicesStyle{{Face::Mincho, 20.25, true}, kNavy, kWhite};
constexpr TextStyle kNoticeStyle{{Face::Mincho, 27.75, true}, kWhite, bgr(0x000000FF)};
constexpr TextStyle kScoreStyle{{Face::Mincho, 54.75, true}, kWhite, bgr(0x00FF00FF)};
constexpr TextStyle kQuestionStyle{{Face::PMincho, 15, true}, kWhite, kWhite, true};

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name           index     kind                 in     left  top   width height visible  content
    {"Timer3",       kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, none()},
    {"Timer2",       kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, none()},
    {"Timer1",       kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, none()},
    {"Command1",     3,        Kind::CommandButton, kForm, 9150, 4455, 1095, 630,  kShown,  face(":/drill/art/answer_3.svg", "3", 3)},
    {"Command1",     2,        Kind::CommandButton, kForm, 8055, 4455, 1110, 630,  kShown,  face(":/drill/art/answer_2.svg", "2", 2)},
    {"Command1",     1,        Kind::CommandButton, kForm, 6975, 4455, 1095, 630,  kShown,  face(":/drill/art/answer_1.svg", "1", 1)},
    {"Command2",     kNoIndex, Kind::CommandButton, kForm, 8895, 240,  1665, 510,  kShown,  face(":/ui/art/face_menu.svg", "メニュー", 0)},
    {"List1",        kNoIndex, Kind::ListBox,       kForm, 1305, 2040, 5400, 2865, kShown,  list(kChoicesStyle, 4).named("選択肢")},
    {"Label3",       kNoIndex, Kind::Label,         kForm, 2715, 960,  5925, 630,  kHidden, caption("得点が半分になります", kNoticeStyle)},
    {"Image5",       kNoIndex, Kind::Image,         kForm, 7020, 1275, 3165, 3105, kHidden, none().named("判定")},
    {"MediaPlayer1", kNoIndex, Kind::MediaPlayer,   kForm, 345,  4950, 30,   30,   kShown,  none()},
    {"Label2",       kNoIndex, Kind::Label,         kForm, 7215, 2295, 1905, 930,  kShown,  caption("", kScoreStyle).named("得点　%1 点")},
    {"Label1",       kNoIndex, Kind::Label,         kForm, 1350, 1275, 8805, 540,  kShown,  caption("", kQuestionStyle)},
    {"Image4",       kNoIndex, Kind::Image,         kForm, 8970, 5265, 1275, 1260, kHidden, picture(":/drill/art/balloon_burst.svg", "割れた風船").named("割れた風船")},
    {"Image3",       kNoIndex, Kind::Image,         kForm, 1280, 5265, 2700, 1260, kShown,  picture(":/drill/art/train.svg", "汽車").named("汽車")},
    {"Image1",       kNoIndex, Kind::Image,         kForm, 945,  1050, 9600, 6000, kShown,  picture(":/drill/art/board.svg", "問題板：問題、選択肢、得点、解答欄、線路と風船").named("問題板")},
    {"Image2",       kNoIndex, Kind::Image,         kForm, 960,  120,  3480, 795,  kShown,  picture(":/drill/art/panel_drill.svg", "電池のドリル（クリックすると最初からやり直します）").named("電池のドリル（最初からやり直す）").tab(5)},
};
// clang-format on

const QString kRightSound = QStringLiteral("\\音\\o.wav");
const QString kWrongSound = QStringLiteral("\\音\\x.wav");
const QString kPopSound = QStringLiteral("\\音\\pan.wav");
const QString kNoGoodSound = QStringLiteral("\\音\\dame.wav");
const QString kPassSound = QStringLiteral("\\音\\gokaku.wav");
// The pictures of the mark, each with what a screen reader calls it.
const Mark kRightMark{QStringLiteral("\\画像\\maru.gif"), QStringLiteral("正解")};
const Mark kWrongMark{QStringLiteral("\\画像\\batu.gif"), QStringLiteral("不正解")};
const Mark kMedal{QStringLiteral("\\画像\\gmedal.gif"), QStringLiteral("合格メダル")};

constexpr int kAnswerButtons = 3;

// The words of choice k in the list: its line, without the number the line begins with.
QString choiceWords(const QStringList& lines, int k)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[0-9０-９]+[\\s.．、:：)）]*"));
    QStringList choices;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            choices << line;
    if (k < 1 || k > choices.size())
        return {};
    return choices[k - 1].remove(number).trimmed();
}

}  // namespace

DrillScreen::DrillScreen(ui::ScreenHost& host, std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random)
    : Screen(host, QStringLiteral("ドリル"), kLayout), m_clock(std::move(clock)), m_random(std::move(random))
{
    onClick("Command1", [this](int index) { command1Click(index); });
    onClick("Command2", [this](int) { command2Click(); });
    onClick("Image2", [this](int) { image2Click(); });
    onTick("Timer1", [this] { timer1Tick(); });
    onTick("Timer2", [this] { timer2Tick(); });
    onTick("Timer3", [this] { timer3Tick(); });
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::load()
{
    resetDrill();
}

void DrillScreen::activate()
{
    // Once the first question is on the screen, while the learner reads it.
    ui::runAfterFirstPaint(QCoreApplication::instance(), this, [this] { drawQuestionsAside(); });
}

void DrillScreen::drawQuestionsAside()
{
    // Every question drawn once where nobody sees it, so that the letters of each are made
    // before it comes: a question with new letters would otherwise show a millisecond later.
    if (!isLoaded())
        return;
    const QWidget& question = label("Label1");
    const qreal ratio = question.devicePixelRatioF();
    QImage aside(question.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    aside.setDevicePixelRatio(ratio);
    QPainter painter(&aside);
    painter.setFont(question.font());
    for (const QString& text : m_bank.text)
        painter.drawText(question.rect(), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void DrillScreen::resetDrill()
{
    m_answered = 0;
    m_trainHome = qint16(qRound(image("Image3").leftTwips()));
    m_rules.reset();
    m_bank = readQuestionBank();
    pickQuestion();
}

void DrillScreen::pickQuestion()
{
    m_questionNo = qint16(m_rules.draw(*m_random));
    showQuestion();
}

void DrillScreen::showQuestion()
{
    label("Label1").setCaption(m_bank.text[m_questionNo]);
    m_answered = 0;
    loadList("List1", choiceFile(m_questionNo));
    // Each answer button is named with its choice, so a screen-reader user answers from the
    // buttons alone: 「1　鉛」.
    const QStringList lines = list("List1").items();
    for (int k = 1; k <= kAnswerButtons; ++k) {
        const QString words = choiceWords(lines, k);
        button({"Command1", k})
            .setAccessibleName(words.isEmpty() ? QString::number(k) : QStringLiteral("%1　%2").arg(k).arg(words));
    }
}

void DrillScreen::command1Click(int answer)
{
    if (m_answered != 0)
        return;
    m_answered = 1;
    if (m_bank.answer[m_questionNo] == answer) {
        m_rules.markRight();
        play("MediaPlayer1", kRightSound);
        showMark(kRightMark);
    } else {
        m_rules.markWrong();
        play("MediaPlayer1", kWrongSound);
        showMark(kWrongMark);
    }
    startWait("Timer1", m_markStart);
}

void DrillScreen::timer1Tick()
{
    if (!waitOver("Timer1", m_markStart))
        return;
    setVisible("Image5", false);
    image("Image3").setLeftTwips(m_trainHome + m_rules.missCount() * kTrainStepTwips);
    showScore();
    // Misses first: an answer that is the fifth miss never passes.
    if (m_rules.burstDue())
        startPenalty();
    else if (m_rules.passed())
        showPass();
    else
        pickQuestion();
}

void DrillScreen::startPenalty()
{
    setVisible("Image4", true);
    play("MediaPlayer1", kPopSound);
    m_rules.burst();
    startWait("Timer2", m_popStart);
}

void DrillScreen::timer2Tick()
{
    if (!waitOver("Timer2", m_popStart))
        return;
    play("MediaPlayer1", kNoGoodSound);
    setVisible("Label3", true);
    startWait("Timer3", m_noticeStart);
}

void DrillScreen::timer3Tick()
{
    if (!waitOver("Timer3", m_noticeStart))
        return;
    setVisible("Image4", false);
    setVisible("Label3", false);
    image("Image3").setLeftTwips(m_trainHome);
    m_rules.halve();
    showScore();
    pickQuestion();
}

void DrillScreen::showPass()
{
    m_answered = 1;
    showScore();
    play("MediaPlayer1", kPassSound);
    showMark(kMedal);
}

void DrillScreen::showMark(const Mark& mark)
{
    loadPicture("Image5", mark.picture);
    image("Image5").setAccessibleName(mark.name);
    setVisible("Image5", true);
}

void DrillScreen::image2Click()
{
    // A fresh run starts clean: a wait left from the old run would otherwise act on the new one.
    for (const char* timer : {"Timer1", "Timer2", "Timer3"})
        setInterval(timer, 0);
    setVisible("Image4", false);
    setVisible("Image5", false);
    label("Label2").setCaption(QString());
    setVisible("Label3", false);
    image("Image3").setLeftTwips(m_trainHome);
    resetDrill();
}

void DrillScreen::command2Click()
{
    unload();
    emit menuRequested();
}

void DrillScreen::startWait(const char* timer, qint32& start)
{
    setInterval(timer, kWaitTickMs);
    start = wholeSeconds(m_clock->secondsSinceMidnight());
}

bool DrillScreen::waitOver(const char* timer, qint32 start)
{
    // Only the start is whole seconds; the reading keeps its fraction, so a wait lasts 1 to 1.5 s.
    if (secondsElapsed(start, m_clock->secondsSinceMidnight()) <= kWaitSeconds)
        return false;
    setInterval(timer, 0);
    return true;
}

void DrillScreen::showScore()
{
    label("Label2").setCaption(QString::number(m_rules.score()));
}

}  // namespace drill
