// The drill: the draw that keeps the last 15 questions out, the scoring, and the quiz screen with
// its waits, the train and balloon, the restart and the way back to the menu.
#include "support/testprogram.h"

#include "content/contentpath.h"
#include "content/textfile.h"
#include "drill/drillrules.h"
#include "drill/drillscreen.h"
#include "drill/questionbank.h"
#include "ui/controls/form.h"

#include <QApplication>
#include <QtTest>

#include <cmath>
#include <memory>
#include <random>

using drill::DrillRules;
using drill::DrillScreen;
using drill::DrillState;
using namespace testsupport;
using app::ScreenId;
using ui::Screen;

namespace {

class MersenneRandom : public drill::RandomSource {
public:
    explicit MersenneRandom(unsigned seed) : m_engine(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

// A quiz on the drill screen, with its clock moved by hand.
struct Quiz {
    TestProgram program;
    Screen& s;
    explicit Quiz(bool throughMenu = false) : s(enter(program, throughMenu)) {}
    // Straight to the drill, or as the user goes: the menu, then the start screen.
    static Screen& enter(TestProgram& program, bool throughMenu)
    {
        if (!throughMenu)
            return program.open(ScreenId::Drill);
        program.open(ScreenId::Menu).click({"Command1", 5});
        program.screen(ScreenId::DrillStart).click("Command1");
        return program.screen(ScreenId::Drill);
    }
    DrillScreen& drill() { return static_cast<DrillScreen&>(s); }
    QString score() { return s.label("Label2").caption(); }
    double train() { return s.image("Image3").leftTwips(); }

    void answer(bool right)
    {
        const int k = drill().rightAnswer();
        QVERIFY(s.click({"Command1", right ? k : k % 3 + 1}));
    }
    // Half a second on the clock, which starts again from 0 at midnight.
    void advance() { program.clock->now = std::fmod(program.clock->now + 0.5, 86400.0); }
    // Ticks the wait's timer every half second until the wait ends; the number of ticks.
    int waitOut(const char* timer)
    {
        for (int n = 1; n <= 10; ++n) {
            advance();
            s.tick(timer);
            if (!s.timer(timer).isRunning())
                return n;
        }
        return -1;
    }
    // 1: the mark wait of a wrong answer; 2: the burst wait; 3: the notice wait.
    void reachWait(int wait)
    {
        for (int miss = 1; miss <= (wait == 1 ? 1 : 5); ++miss) {
            answer(false);
            if (wait > 1)
                QVERIFY(waitOut("Timer1") > 0);
        }
        if (wait == 3)
            QVERIFY(waitOut("Timer2") > 0);
        QVERIFY(s.timer(QStringLiteral("Timer%1").arg(wait).toStdString()).isRunning());
    }
    QStringList state()
    {
        QStringList all{score(), QString::number(train()), QString::number(playedSounds().size()),
                        QString::number(drill().rules().score()), QString::number(drill().rules().missCount())};
        for (const char* name : {"Image4", "Image5", "Label3"})
            all << QString::number(s.control(name).ownVisible());
        for (const char* timer : {"Timer1", "Timer2", "Timer3"})
            all << QString::number(s.timer(timer).interval());
        return all;
    }
    // A run just begun: nothing shown of an earlier one, one question drawn and on show.
    void verifyFreshRun()
    {
        for (const char* timer : {"Timer1", "Timer2", "Timer3"})
            QVERIFY2(!s.timer(timer).isRunning(), timer);
        QCOMPARE(score(), QString());
        QCOMPARE(train(), 1280.0);
        QCOMPARE(drill().trainHome(), qint16(1280));
        for (const char* name : {"Image4", "Image5", "Label3", "Label4"})
            QVERIFY2(!s.control(name).ownVisible(), name);
        QVERIFY(s.label("Label1").ownVisible());
        QVERIFY(s.list("List1").selectedItems().isEmpty());
        QCOMPARE(drill().rules().score(), qint16(0));
        QCOMPARE(drill().rules().missCount(), qint16(0));
        QVERIFY(!drill().answered());
        const int q = drill().questionNumber();
        const auto& recent = drill().rules().recent();
        QCOMPARE(recent[15], qint16(q));
        for (int i = 1; i < 15; ++i)
            QCOMPARE(recent[i], qint16(0));
        QCOMPARE(s.label("Label1").caption(), drill::readQuestionBank().text[q]);
        QCOMPARE(s.list("List1").items(), content::readLines(content::contentPath(drill::choiceFile(q))));
    }
};

}  // namespace

class DrillTest : public QObject {
    Q_OBJECT
private slots:
    void drawsNeverRepeatWithinFifteen_data();
    void drawsNeverRepeatWithinFifteen();
    void scoring_data();
    void scoring();

    void scoreShownOnlyAfterTheMarkWait();
    void fiveMissesFromTen();
    void waitLength_data();
    void waitLength();
    void answersIgnored_data();
    void answersIgnored();
    void restartDuringWait_data();
    void restartDuringWait();
    void leavingAndComingBackStartsAfresh();
    void focusOnMenuButton();
};

void DrillTest::drawsNeverRepeatWithinFifteen_data()
{
    QTest::addColumn<QList<double>>("constant");  // empty: a real-ish random source
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("mt19937, seed 1") << QList<double>{} << 1u;
    QTest::newRow("mt19937, seed 20240") << QList<double>{} << 20240u;
    QTest::newRow("always 0.0") << QList<double>{0.0} << 0u;
    QTest::newRow("always 0.999999") << QList<double>{0.999999} << 0u;
    QTest::newRow("always 1.0, out of range") << QList<double>{1.0} << 0u;
    QTest::newRow("two values in turn") << QList<double>{0.2, 0.7} << 0u;
}

void DrillTest::drawsNeverRepeatWithinFifteen()
{
    QFETCH(QList<double>, constant);
    QFETCH(unsigned, seed);
    std::unique_ptr<drill::RandomSource> random;
    if (constant.isEmpty()) {
        random = std::make_unique<MersenneRandom>(seed);
    } else {
        auto scripted = std::make_unique<ScriptedRandom>();
        for (int i = 0; i < 5000; ++i)
            scripted->values << constant[i % constant.size()];
        random = std::move(scripted);
    }
    DrillRules rules;
    rules.reset();
    QList<int> drawn;
    QList<int> counts(31, 0);
    const int draws = constant.isEmpty() ? 30000 : 500;  // a stuck source must still come back
    for (int i = 0; i < draws; ++i) {
        const int q = rules.draw(*random);
        QVERIFY2(q >= 1 && q <= 30, qPrintable(QString::number(q)));
        QVERIFY2(!drawn.mid(qMax(0, int(drawn.size()) - 15)).contains(q),
                 qPrintable(QStringLiteral("%1 back at draw %2").arg(q).arg(i + 1)));
        drawn << q;
        ++counts[q];
        int blocked = 0;
        for (int n = 1; n <= 30; ++n)
            blocked += rules.isBlocked(n) ? 1 : 0;
        QCOMPARE(blocked, qMin(i + 1, 15));
    }
    if (constant.isEmpty())
        for (int n = 1; n <= 30; ++n)  // 1000 expected each
            QVERIFY2(counts[n] > 800 && counts[n] < 1200, qPrintable(QStringLiteral("%1: %2").arg(n).arg(counts[n])));
}

void DrillTest::scoring_data()
{
    QTest::addColumn<QString>("moves");  // R right, W wrong, H halved at the end of a miss sequence
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<bool>("burstDue");
    const QString fifty(50, QLatin1Char('R'));
    QTest::newRow("a miss at 0 stays 0") << "W" << 0 << false << false;
    QTest::newRow("a right after misses at 0") << "WWR" << 2 << false << false;
    QTest::newRow("98 has not passed") << fifty.left(49) << 98 << false << false;
    QTest::newRow("100 passes") << fifty << 100 << true << false;
    QTest::newRow("99 and a right make 101") << fifty + "WR" << 101 << true << false;
    QTest::newRow("7 halves to 3") << QStringLiteral("RRRRRRWWWWWH") << 3 << false << true;
    QTest::newRow("0 halves to 0") << "WWWWWH" << 0 << false << true;
    QTest::newRow("four misses are not a burst") << "WWWW" << 0 << false << false;
    QTest::newRow("misses between rights add up") << "WRWRWRWRW" << 4 << false << true;
}

void DrillTest::scoring()
{
    QFETCH(QString, moves);
    QFETCH(int, score);
    QFETCH(bool, passed);
    QFETCH(bool, burstDue);
    DrillRules rules;
    rules.reset();
    for (QChar move : moves) {
        if (move == QLatin1Char('R'))
            rules.markRight();
        else if (move == QLatin1Char('W'))
            rules.markWrong();
        else
            rules.halve();
    }
    QCOMPARE(int(rules.score()), score);
    QCOMPARE(rules.passed(), passed);
    QCOMPARE(rules.burstDue(), burstDue);
}

void DrillTest::scoreShownOnlyAfterTheMarkWait()
{
    Quiz quiz;
    QCOMPARE(quiz.score(), QString());
    quiz.answer(true);
    QCOMPARE(quiz.score(), QString());
    QVERIFY(quiz.s.tick("Timer1"));  // the clock has not moved: the wait goes on
    QCOMPARE(quiz.score(), QString());
    QVERIFY(quiz.waitOut("Timer1") > 0);
    QCOMPARE(quiz.score(), QStringLiteral("2"));
}

void DrillTest::fiveMissesFromTen()
{
    Quiz quiz;
    Screen& s = quiz.s;
    for (int i = 0; i < 5; ++i) {
        quiz.answer(true);
        QVERIFY(quiz.waitOut("Timer1") > 0);
    }
    QCOMPARE(quiz.score(), QStringLiteral("10"));
    const double home = quiz.drill().trainHome();

    for (int miss = 1; miss <= 5; ++miss) {
        quiz.answer(false);
        QVERIFY(s.image("Image5").ownVisible());
        QVERIFY(s.label("Label4").ownVisible());  // the reason, for the mark wait only
        QVERIFY(quiz.waitOut("Timer1") > 0);
        QVERIFY(!s.label("Label4").ownVisible());
        QCOMPARE(quiz.score(), QString::number(10 - miss));
        QCOMPARE(quiz.train(), home + miss * 1005);
        QVERIFY(!s.image("Image5").ownVisible());
        QCOMPARE(s.image("Image4").ownVisible(), miss == 5);
        QCOMPARE(s.timer("Timer2").isRunning(), miss == 5);
        QCOMPARE(quiz.drill().answered(), miss == 5);  // a new question only before the fifth
        QCOMPARE(quiz.drill().state(), miss == 5 ? DrillState::Burst : DrillState::Asking);
    }
    QVERIFY(playedSounds().last().endsWith(QStringLiteral("/音/pan.wav")));
    const int burstQuestion = quiz.drill().questionNumber();

    QVERIFY(quiz.waitOut("Timer2") > 0);
    QVERIFY(playedSounds().last().endsWith(QStringLiteral("/音/dame.wav")));
    QVERIFY(s.label("Label3").ownVisible());
    QVERIFY(s.image("Image4").ownVisible());
    QVERIFY(s.timer("Timer3").isRunning());
    QCOMPARE(quiz.drill().state(), DrillState::Notice);

    QVERIFY(quiz.waitOut("Timer3") > 0);
    QVERIFY(!s.label("Label3").ownVisible());
    QVERIFY(!s.image("Image4").ownVisible());
    QCOMPARE(quiz.train(), home);
    QCOMPARE(quiz.score(), QStringLiteral("2"));
    QVERIFY(quiz.drill().questionNumber() != burstQuestion);
    QVERIFY(!quiz.drill().answered());
    QCOMPARE(quiz.drill().state(), DrillState::Asking);

    QStringList expected;
    for (const char* sound : {"o", "o", "o", "o", "o", "x", "x", "x", "x", "x", "pan", "dame"})
        expected << QStringLiteral("/音/%1.wav").arg(QLatin1String(sound));
    QCOMPARE(playedSounds().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(playedSounds()[i].endsWith(expected[i]), qPrintable(playedSounds()[i]));
}

void DrillTest::waitLength_data()
{
    QTest::addColumn<double>("answerAt");  // seconds since midnight
    QTest::addColumn<int>("endingTick");   // ticks come every half second from the answer
    QTest::newRow("0.4 s past a second: 1.0 s") << 36000.4 << 2;
    QTest::newRow("0.6 s past a second: 1.5 s") << 36000.6 << 3;
    QTest::newRow("on a whole second") << 36000.0 << 3;
    QTest::newRow("0.9 s past a second") << 36000.9 << 3;
    QTest::newRow("a half rounding down to even") << 36000.5 << 2;
    QTest::newRow("a half rounding up to even") << 36001.5 << 4;
    QTest::newRow("0.7 s before midnight") << 86399.7 << 3;
    QTest::newRow("0.3 s before midnight") << 86399.3 << 2;
    QTest::newRow("1.1 s before midnight") << 86398.9 << 3;
    QTest::newRow("half a second before midnight") << 86399.5 << 4;
}

void DrillTest::waitLength()
{
    QFETCH(double, answerAt);
    QFETCH(int, endingTick);
    Quiz quiz;
    quiz.program.clock->now = answerAt;
    quiz.answer(true);
    for (int n = 1; n < endingTick; ++n) {
        quiz.advance();
        QVERIFY(quiz.s.tick("Timer1"));
        QVERIFY2(quiz.s.image("Image5").ownVisible(), qPrintable(QStringLiteral("ended at tick %1").arg(n)));
    }
    quiz.advance();
    QVERIFY(quiz.s.tick("Timer1"));
    QVERIFY2(!quiz.s.timer("Timer1").isRunning(), "the wait did not end");
    QVERIFY(!quiz.s.image("Image5").ownVisible());
    QCOMPARE(quiz.score(), QStringLiteral("2"));
}

void DrillTest::answersIgnored_data()
{
    QTest::addColumn<int>("wait");  // 1 to 3 as Quiz::reachWait counts; 0 after the pass
    QTest::newRow("while marked") << 1;
    QTest::newRow("during the burst") << 2;
    QTest::newRow("during the notice") << 3;
    QTest::newRow("after the pass") << 0;
}

void DrillTest::answersIgnored()
{
    QFETCH(int, wait);
    Quiz quiz;
    if (wait > 0) {
        quiz.reachWait(wait);
    } else {
        for (int i = 0; i < 50; ++i) {
            quiz.answer(true);
            QVERIFY(quiz.waitOut("Timer1") > 0);
        }
        QCOMPARE(quiz.score(), QStringLiteral("100"));
        QVERIFY(playedSounds().last().endsWith(QStringLiteral("/音/gokaku.wav")));
        QCOMPARE(quiz.s.image("Image5").picture().source(), QStringLiteral("\\画像\\gmedal.gif"));
    }
    const DrillState waiting[] = {DrillState::Passed, DrillState::Marked, DrillState::Burst, DrillState::Notice};
    QCOMPARE(quiz.drill().state(), waiting[wait]);
    const QStringList before = quiz.state();
    for (int k : {1, 2, 3, 1})
        QVERIFY(quiz.s.click({"Command1", k}));
    QCOMPARE(quiz.state(), before);
    QCOMPARE(quiz.drill().state(), waiting[wait]);
}

void DrillTest::restartDuringWait_data()
{
    QTest::addColumn<int>("wait");
    QTest::newRow("mark wait") << 1;
    QTest::newRow("burst wait") << 2;
    QTest::newRow("notice wait") << 3;
}

void DrillTest::restartDuringWait()
{
    QFETCH(int, wait);
    Quiz quiz;
    quiz.reachWait(wait);
    QVERIFY(quiz.s.click("Image2"));
    quiz.verifyFreshRun();

    // Nothing of the old run acts on the new one, however long it is left.
    const qsizetype sounds = playedSounds().size();
    for (int i = 0; i < 10; ++i) {
        quiz.advance();
        for (const char* timer : {"Timer1", "Timer2", "Timer3"})
            QVERIFY(!quiz.s.tick(timer));
    }
    QCOMPARE(playedSounds().size(), sounds);
    quiz.verifyFreshRun();
    quiz.answer(false);
    QVERIFY(quiz.waitOut("Timer1") > 0);
    QCOMPARE(quiz.train(), 1280.0 + 1005);
}

void DrillTest::leavingAndComingBackStartsAfresh()
{
    Quiz quiz(true);
    Screen& s = quiz.s;
    QVERIFY(s.isLoaded());
    for (int i = 0; i < 2; ++i) {
        quiz.answer(false);
        QVERIFY(quiz.waitOut("Timer1") > 0);
    }
    QCOMPARE(quiz.train(), 1280.0 + 2 * 1005);
    quiz.answer(true);  // and left while marked
    QVERIFY(s.click("Command2"));
    QVERIFY(!s.isLoaded());
    QVERIFY(quiz.program.screen(ScreenId::Menu).isLoaded());
    TestProgram::settle();
    QVERIFY(!quiz.program.exitCode().has_value());

    QCOMPARE(&Quiz::enter(quiz.program, true), &s);
    QVERIFY(s.isLoaded());
    quiz.verifyFreshRun();
}

void DrillTest::focusOnMenuButton()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Drill);
    TestProgram::settle();
    if (!QApplication::focusWidget()) {
        s.window()->activateWindow();
        TestProgram::settle();
    }
    if (!QApplication::focusWidget())
        QSKIP("this platform gives no window the keyboard focus");
    // The drill opens on its question; メニュー is the stop before it.
    QCOMPARE(QApplication::focusWidget(), &s.label("Label1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &s.button("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!s.isLoaded());
    QVERIFY(program.screen(ScreenId::Menu).isLoaded());
}

QTEST_MAIN(DrillTest)
#include "tst_drill.moc"
