#include "drillscreen.h"

#include "ui/accessibility/announce.h"
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
// Yellow on the question bar's black, in its part left of the mark, while the question is hidden.
constexpr TextStyle kReasonStyle{{Face::PMincho, 12, true}, bgr(0x0000FFFF), bgr(0x00000000)};

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
    {"Label4",       kNoIndex, Kind::Label,         kForm, 1350, 1275, 5670, 540,  kHidden, caption("", kReasonStyle)},
    {"Label1",       kNoIndex, Kind::Label,         kForm, 1350, 1275, 8805, 540,  kShown,  caption("", kQuestionStyle).tab(0)},
    {"Image4",       kNoIndex, Kind::Image,         kForm, 8970, 5265, 1275, 1260, kHidden, picture(":/drill/art/balloon_burst.svg", "割れた風船").named("割れた風船")},
    {"Image3",       kNoIndex, Kind::Image,         kForm, 1280, 5265, 2700, 1260, kShown,  picture(":/drill/art/train.svg", "汽車")},
    {"Image1",       kNoIndex, Kind::Image,         kForm, 945,  1050, 9600, 6000, kShown,  picture(":/drill/art/board.svg", "問題板：問題、選択肢、得点、解答欄、線路と風船").named("問題板")},
    {"Image2",       kNoIndex, Kind::Image,         kForm, 960,  120,  3480, 795,  kShown,  picture(":/drill/art/panel_drill.svg", "電池のドリル（押すと最初からやり直します）").named("電池のドリル（最初からやり直す）").tab(5)},
};
// clang-format on

constexpr std::string_view kQuestionLabel = "Label1";
constexpr std::string_view kChoicesList = "List1";
constexpr std::string_view kAnswerButtons = "Command1";  // members 1 to 3, each answering its choice
constexpr std::string_view kMenuButton = "Command2";
constexpr std::string_view kRestartTitle = "Image2";  // the title picture, which starts a fresh run
constexpr std::string_view kScoreLabel = "Label2";
constexpr std::string_view kMarkPicture = "Image5";  // right, wrong, or the medal
constexpr std::string_view kTrain = "Image3";
constexpr std::string_view kBurstBalloon = "Image4";
constexpr std::string_view kHalvingNotice = "Label3";  // 得点が半分になります
constexpr std::string_view kReasonLine = "Label4";     // after a miss, why the right choice is right
constexpr std::string_view kSpeaker = "MediaPlayer1";
// The waits, one timer each.
constexpr std::string_view kMarkWait = "Timer1";
constexpr std::string_view kBurstWait = "Timer2";
constexpr std::string_view kNoticeWait = "Timer3";

const QString kRightSound = QStringLiteral("\\音\\o.wav");
const QString kWrongSound = QStringLiteral("\\音\\x.wav");
const QString kPopSound = QStringLiteral("\\音\\pan.wav");
const QString kNoGoodSound = QStringLiteral("\\音\\dame.wav");
const QString kPassSound = QStringLiteral("\\音\\gokaku.wav");
// The pictures of the mark, each with what a screen reader calls it.
const Mark kRightMark{QStringLiteral("\\画像\\maru.gif"), QStringLiteral("正解")};
const Mark kWrongMark{QStringLiteral("\\画像\\batu.gif"), QStringLiteral("不正解")};
const Mark kMedal{QStringLiteral("\\画像\\gmedal.gif"), QStringLiteral("合格メダル")};

constexpr int kAnswerCount = 3;

// The wait a state lasts for, if it has one.
constexpr std::string_view waitOf(DrillState state)
{
    switch (state) {
    case DrillState::Marked: return kMarkWait;
    case DrillState::Burst: return kBurstWait;
    case DrillState::Notice: return kNoticeWait;
    case DrillState::Asking:
    case DrillState::Passed: break;
    }
    return {};
}

// The list row of choice k: its k-th line that is not blank, or -1.
int choiceRow(const QStringList& lines, int k)
{
    for (int row = 0; row < lines.size(); ++row)
        if (!lines[row].trimmed().isEmpty() && --k == 0)
            return row;
    return -1;
}

// What a reader hears of the score.
QString scoreWords(int score)
{
    return QStringLiteral("得点 %1 点。").arg(score);
}

// The words of choice k in the list: its line, without the number the line begins with.
QString choiceWords(const QStringList& lines, int k)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[0-9０-９]+[\\s.．、:：)）]*"));
    const int row = choiceRow(lines, k);
    return row < 0 ? QString() : QString(lines[row]).remove(number).trimmed();
}

}  // namespace

DrillScreen::DrillScreen(ui::ScreenHost& host, std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random)
    : Screen(host, QStringLiteral("ドリル"), kLayout), m_clock(std::move(clock)), m_random(std::move(random))
{
    onClick(kAnswerButtons, [this](int index) { answerChosen(index); });
    onClick(kMenuButton, [this](int) { menuPressed(); });
    onClick(kRestartTitle, [this](int) { restartPressed(); });
    onTick(kMarkWait, [this] { markWaitTicked(); });
    onTick(kBurstWait, [this] { burstWaitTicked(); });
    onTick(kNoticeWait, [this] { noticeWaitTicked(); });
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::load()
{
    resetDrill();
}

void DrillScreen::activate()
{
    announceQuestion();
    // Once the first question is on the screen, while the learner reads it.
    ui::runAfterFirstPaint(QCoreApplication::instance(), this, [this] { drawQuestionsAside(); });
}

void DrillScreen::drawQuestionsAside()
{
    // Every question drawn once where nobody sees it, so that the letters of each are made
    // before it comes: a question with new letters would otherwise show a millisecond later.
    if (!isLoaded())
        return;
    const QWidget& question = label(kQuestionLabel);
    const qreal ratio = question.devicePixelRatioF();
    QImage aside(question.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    aside.setDevicePixelRatio(ratio);
    QPainter painter(&aside);
    painter.setFont(question.font());
    for (const QString& text : m_bank.text)
        painter.drawText(question.rect(), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void DrillScreen::enter(DrillState next)
{
    m_state = next;
    const std::string_view wait = waitOf(next);
    if (!wait.empty())
        startWait(wait);
}

void DrillScreen::resetDrill()
{
    enter(DrillState::Asking);
    m_trainHome = qint16(qRound(image(kTrain).leftTwips()));
    m_rules.reset();
    m_bank = readQuestionBank();
    pickQuestion();
}

void DrillScreen::pickQuestion(const QString& before)
{
    m_questionNo = qint16(m_rules.draw(*m_random));
    showQuestion();
    announceQuestion(before);
}

void DrillScreen::announceQuestion(const QString& before)
{
    // The question is the focused text; its choices follow it, as the answer buttons name them.
    QStringList words{before};
    for (int k = 1; k <= kAnswerCount; ++k)
        words << button({kAnswerButtons, k}).accessibleName() + QStringLiteral("。");
    ui::announce(&label(kQuestionLabel), words.join(QString()));
}

void DrillScreen::showQuestion()
{
    hideRightAnswer();
    label(kQuestionLabel).setCaption(m_bank.text[m_questionNo]);
    enter(DrillState::Asking);
    loadList(kChoicesList, choiceFile(m_questionNo));
    // Each answer button is named with its choice, so a screen-reader user answers from the
    // buttons alone: 「1　鉛」.
    const QStringList lines = list(kChoicesList).items();
    for (int k = 1; k <= kAnswerCount; ++k) {
        const QString words = choiceWords(lines, k);
        button({kAnswerButtons, k})
            .setAccessibleName(words.isEmpty() ? QString::number(k) : QStringLiteral("%1 %2").arg(k).arg(words));
    }
}

void DrillScreen::answerChosen(int answer)
{
    if (m_state != DrillState::Asking)
        return;
    const int right = m_bank.answer[m_questionNo];
    if (right == answer) {
        m_rules.markRight();
        play(kSpeaker, kRightSound);
        showMark(kRightMark);
    } else {
        m_rules.markWrong();
        play(kSpeaker, kWrongSound);
        showMark(kWrongMark);
        showRightAnswer();
    }
    enter(DrillState::Marked);
    // Heard at once: the mark, the score it makes, and after a miss the right choice and why.
    QString words = scoreWords(m_rules.score());
    if (right != answer) {
        // An answer file may name a number no button has: then no choice is right.
        if (right >= 1 && right <= kAnswerCount)
            words += QStringLiteral("正しい答えは %1。").arg(button({kAnswerButtons, right}).accessibleName());
        words += m_bank.reason[m_questionNo];
    }
    ui::announce(&image(kMarkPicture), words);
}

void DrillScreen::markWaitTicked()
{
    if (!waitOver(kMarkWait))
        return;
    hideRightAnswer();
    image(kTrain).setLeftTwips(m_trainHome + m_rules.missCount() * kTrainStepTwips);
    showScore();
    // Misses first: an answer that is the fifth miss never passes. What comes next takes the
    // focus before the mark goes, so the reader hears it and not the focus falling elsewhere.
    if (m_rules.burstDue())
        burstBalloon();
    else if (m_rules.passed())
        showPass();
    else
        pickQuestion();
    if (m_state != DrillState::Passed)
        setVisible(kMarkPicture, false);
}

void DrillScreen::burstBalloon()
{
    setVisible(kBurstBalloon, true);
    play(kSpeaker, kPopSound);
    m_rules.burst();
    enter(DrillState::Burst);
    ui::announce(&image(kBurstBalloon), QStringLiteral("5 回まちがえて、風船が割れました。"));
}

void DrillScreen::burstWaitTicked()
{
    if (!waitOver(kBurstWait))
        return;
    play(kSpeaker, kNoGoodSound);
    setVisible(kHalvingNotice, true);
    enter(DrillState::Notice);
    ui::announce(&label(kHalvingNotice), QString());
}

void DrillScreen::noticeWaitTicked()
{
    if (!waitOver(kNoticeWait))
        return;
    image(kTrain).setLeftTwips(m_trainHome);
    m_rules.halve();
    showScore();
    pickQuestion(scoreWords(m_rules.score()));
    setVisible(kBurstBalloon, false);
    setVisible(kHalvingNotice, false);
}

void DrillScreen::showPass()
{
    enter(DrillState::Passed);
    showScore();
    play(kSpeaker, kPassSound);
    showMark(kMedal);
    // The medal covers the score: it carries it.
    ui::announce(&image(kMarkPicture), scoreWords(m_rules.score()) + QStringLiteral("合格です。"));
}

void DrillScreen::showMark(const Mark& mark)
{
    loadPicture(kMarkPicture, mark.picture);
    image(kMarkPicture).setAccessibleName(mark.name);
    setVisible(kMarkPicture, true);
}

void DrillScreen::showRightAnswer()
{
    // The learner sees which choice was right, and why, while the cross is on show.
    ui::ListBox& choices = list(kChoicesList);
    const int row = choiceRow(choices.items(), m_bank.answer[m_questionNo]);
    choices.clearSelection();
    if (row >= 0) {
        choices.item(row)->setSelected(true);
        choices.scrollToItem(choices.item(row));
    }
    const QString& reason = m_bank.reason[m_questionNo];
    if (reason.isEmpty())
        return;
    // In the question's place: the question bar beside the mark has room for one line.
    label(kReasonLine).setCaption(reason);
    setVisible(kQuestionLabel, false);
    setVisible(kReasonLine, true);
}

void DrillScreen::hideRightAnswer()
{
    list(kChoicesList).clearSelection();
    setVisible(kReasonLine, false);
    setVisible(kQuestionLabel, true);
}

void DrillScreen::restartPressed()
{
    // A fresh run starts clean: a wait left from the old run would otherwise act on the new one.
    for (std::string_view timer : {kMarkWait, kBurstWait, kNoticeWait})
        setInterval(timer, 0);
    setVisible(kBurstBalloon, false);
    setVisible(kMarkPicture, false);
    label(kScoreLabel).setCaption(QString());
    setVisible(kHalvingNotice, false);
    image(kTrain).setLeftTwips(m_trainHome);
    resetDrill();
}

void DrillScreen::menuPressed()
{
    unload();
    emit menuRequested();
}

void DrillScreen::startWait(std::string_view timer)
{
    setInterval(timer, kWaitTickMs);
    m_waitStart = wholeSeconds(m_clock->secondsSinceMidnight());
}

bool DrillScreen::waitOver(std::string_view timer)
{
    // Only the start is whole seconds; the reading keeps its fraction, so a wait lasts 1 to 1.5 s.
    if (secondsElapsed(m_waitStart, m_clock->secondsSinceMidnight()) <= kWaitSeconds)
        return false;
    setInterval(timer, 0);
    return true;
}

void DrillScreen::showScore()
{
    label(kScoreLabel).setCaption(QString::number(m_rules.score()));
}

}  // namespace drill
