// The drill as the learner plays it: the mark each answer gets, the right choice and its reason
// after a miss, the rhythm of the three waits, answers no button has, the keyboard on an answer
// button, how much the lists hold, and the question bank read afresh at every restart.
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include "drill/drillscreen.h"
#include "drill/questionbank.h"
#include "ui/controls/form.h"

#include <QListWidget>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;

namespace {

const QString kAnswers = QStringLiteral("\\説明\\ドリル\\正解.txt");

QString numberedLines(const QString& text, int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << text.arg(n);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The share of the content picture that the mark's place shows.
double markShows(const Visit& quiz, const char* file)
{
    const QImage picture(testsupport::shippedContent() + QStringLiteral("/画像/") + QLatin1String(file));
    return pictureShown(renderedWindow(quiz.screen), pixelOf(quiz.layout.origin(*quiz.layout.row("Image5"))), picture);
}

// The rows of the choices list drawn in its highlight, as the window shows them.
QList<int> highlightedRows(const Visit& quiz)
{
    auto* list = qobject_cast<QListWidget*>(widgetNamed(quiz.screen, QStringLiteral("List1")));
    const QImage window = renderedWindow(quiz.screen);
    const QColor highlight = list->palette().color(QPalette::Highlight);
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        const QRect rect = list->visualItemRect(list->item(row));
        const QRect shown(list->viewport()->mapTo(list->window(), rect.topLeft()), rect.size());
        if (commonestColour(window, shown) == highlight)
            rows << row;
    }
    return rows;
}

// The list row of choice k: the k-th line that is not blank.
int rowOfChoice(const QStringList& lines, int k)
{
    for (int row = 0; row < lines.size(); ++row)
        if (!lines[row].trimmed().isEmpty() && --k == 0)
            return row;
    return -1;
}

}  // namespace

class QuizTest : public QObject {
    Q_OBJECT
private slots:
    void eachAnswerGetsItsMark_data();
    void eachAnswerGetsItsMark();
    void missShowsTheRightChoiceAndItsReason_data();
    void missShowsTheRightChoiceAndItsReason();
    void waitsTickEveryHalfSecondFromTheirOwnStart_data();
    void waitsTickEveryHalfSecondFromTheirOwnStart();
    void answerNumbersNoButtonHas_data();
    void answerNumbersNoButtonHas();
    void keysOnTheFocusedAnswerButton_data();
    void keysOnTheFocusedAnswerButton();
    void introductionOfAnyLength_data();
    void introductionOfAnyLength();
    void choicesFitSevenLines_data();
    void choicesFitSevenLines();
    void bankIsReadAgainAtTheRestart();
};

void QuizTest::eachAnswerGetsItsMark_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("score");
    QTest::newRow("right: a circle") << true << "maru.gif"
                                     << "/音/o.wav"
                                     << "2";
    QTest::newRow("wrong: a cross") << false << "batu.gif"
                                    << "/音/x.wav"
                                    << "0";
}

void QuizTest::eachAnswerGetsItsMark()
{
    QFETCH(bool, right);
    QFETCH(QString, picture);
    QFETCH(QString, sound);
    QFETCH(QString, score);
    TestProgram program;
    Visit quiz(program, ScreenId::Drill);
    quiz.answer(right, false);
    QVERIFY(playedSounds().last().endsWith(sound));
    QVERIFY2(markShows(quiz, picture.toLatin1().constData()) > 0.98, "another picture is shown");
    QVERIFY(markShows(quiz, right ? "batu.gif" : "maru.gif") < 0.9);
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QString());
    quiz.runOut("Timer1");
    QVERIFY(!showsOnScreen(quiz.screen, QStringLiteral("Image5")));
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), score);
}

void QuizTest::missShowsTheRightChoiceAndItsReason_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("withReasons");
    QTest::newRow("a miss: the right choice and its reason") << false << true;
    QTest::newRow("a miss without a reasons file: the right choice alone") << false << false;
    QTest::newRow("a right answer: the mark alone") << true << true;
}

void QuizTest::missShowsTheRightChoiceAndItsReason()
{
    QFETCH(bool, right);
    QFETCH(bool, withReasons);
    const QString reasons = QString::fromUtf8(drill::kReasonsFile);
    ContentFolder folder;
    folder.copyShippedExcept({reasons});
    if (withReasons)
        folder.writeText(reasons, numberedLines(QStringLiteral("問題 %1 の解説"), 30));
    TestProgram program(folder.path());
    Visit quiz(program, ScreenId::Drill);
    const auto& drill = static_cast<drill::DrillScreen&>(quiz.screen);
    const int q = drill.questionNumber();
    const int rightRow = rowOfChoice(linesOf(quiz.screen, QStringLiteral("List1")), drill.rightAnswer());
    QCOMPARE(highlightedRows(quiz), QList<int>{});

    quiz.answer(right, false);
    const bool reasonShown = !right && withReasons;
    QCOMPARE(highlightedRows(quiz), right ? QList<int>{} : QList<int>{rightRow});
    // The reason stands in the question's place, beside the mark, which it leaves whole.
    QCOMPARE(showsOnScreen(quiz.screen, QStringLiteral("Label4")), reasonShown);
    QCOMPARE(showsOnScreen(quiz.screen, QStringLiteral("Label1")), !reasonShown);
    if (reasonShown)
        QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label4")), QStringLiteral("問題 %1 の解説").arg(q));
    QVERIFY(markShows(quiz, right ? "maru.gif" : "batu.gif") > 0.98);

    // The next question comes as before.
    quiz.runOut("Timer1");
    QCOMPARE(highlightedRows(quiz), QList<int>{});
    QVERIFY(!showsOnScreen(quiz.screen, QStringLiteral("Label4")));
    QVERIFY(showsOnScreen(quiz.screen, QStringLiteral("Label1")));
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label1")), drill::readQuestionBank().text[drill.questionNumber()]);
}

void QuizTest::waitsTickEveryHalfSecondFromTheirOwnStart_data()
{
    QTest::addColumn<int>("wait");         // 1 mark, 2 burst, 3 notice
    QTest::addColumn<double>("startsAt");  // the clock when the wait starts
    QTest::addColumn<int>("ticks");        // half a second apart, until the wait's action
    for (int wait = 1; wait <= 3; ++wait) {
        QTest::addRow("wait %d, 0.4 s past a second: 1.0 s", wait) << wait << 36010.4 << 2;
        QTest::addRow("wait %d, 0.6 s past a second: 1.5 s", wait) << wait << 36010.6 << 3;
    }
}

void QuizTest::waitsTickEveryHalfSecondFromTheirOwnStart()
{
    QFETCH(int, wait);
    QFETCH(double, startsAt);
    QFETCH(int, ticks);
    TestProgram program;
    Visit quiz(program, ScreenId::Drill);
    double& now = program.clock->now;
    // The wait before this one ends at `startsAt`, well over a second after it began.
    if (wait > 1) {
        for (int miss = 1; miss < 5; ++miss)
            quiz.answer(false);
        now = startsAt - 4;
        quiz.answer(false, false);
    }
    if (wait == 3) {
        now = startsAt - 2;
        quiz.screen.tick("Timer1");
    }
    const std::string timer = "Timer" + std::to_string(wait);
    now = startsAt;
    if (wait == 1)
        quiz.answer(true, false);
    else
        quiz.screen.tick(wait == 2 ? "Timer1" : "Timer2");
    QCOMPARE(quiz.screen.timer(timer).interval(), 500);
    for (int n = 1; n < ticks; ++n) {
        now += 0.5;
        QVERIFY(quiz.screen.tick(timer));
        QVERIFY2(quiz.screen.timer(timer).isRunning(), qPrintable(QStringLiteral("ended at tick %1").arg(n)));
    }
    now += 0.5;
    QVERIFY(quiz.screen.tick(timer));
    QVERIFY2(!quiz.screen.timer(timer).isRunning(), "the wait goes on");
    // Its action: the mark goes; the notice comes with the burst balloon; both go.
    QVERIFY(!showsOnScreen(quiz.screen, QStringLiteral("Image5")));
    QCOMPARE(showsOnScreen(quiz.screen, QStringLiteral("Label3")), wait == 2);
    QCOMPARE(showsOnScreen(quiz.screen, QStringLiteral("Image4")), wait == 2);
}

void QuizTest::answerNumbersNoButtonHas_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("0") << "0";
    QTest::newRow("4") << "4";
}

void QuizTest::answerNumbersNoButtonHas()
{
    QFETCH(QString, number);
    ContentFolder folder;
    folder.copyShippedExcept({kAnswers});
    folder.writeText(kAnswers, QString(number + QStringLiteral("\r\n")).repeated(30));
    TestProgram program(folder.path());
    Visit quiz(program, ScreenId::Drill);
    const QRect trainHome = placeOf(quiz.screen, QStringLiteral("Image3"));
    for (int k = 1; k <= 3; ++k) {
        quiz.press(QStringLiteral("Command1(%1)").arg(k));
        QVERIFY2(playedSounds().last().endsWith(QStringLiteral("/音/x.wav")), qPrintable(playedSounds().last()));
        QVERIFY(markShows(quiz, "batu.gif") > 0.98);
        quiz.runOut("Timer1");
        QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QStringLiteral("0"));
        QCOMPARE(placeOf(quiz.screen, QStringLiteral("Image3")), trainHome.translated(67 * k, 0));
    }
}

void QuizTest::keysOnTheFocusedAnswerButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space bar") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Enter of the number pad") << int(Qt::Key_Enter);
}

void QuizTest::keysOnTheFocusedAnswerButton()
{
    QFETCH(int, key);
    TestProgram program;
    Visit quiz(program, ScreenId::Drill);
    QWindow* window = quiz.screen.window()->windowHandle();
    quiz.press(QStringLiteral("Command1(2)"));
    const int sounds = int(playedSounds().size());
    QTest::keyClick(window, Qt::Key(key));  // while marked: ignored
    QCOMPARE(playedSounds().size(), sounds);
    QVERIFY2(quiz.screen.isLoaded(), "the key went to another button");
    quiz.runOut("Timer1");

    // The next question has the focus, to be heard, so no button silently takes its choice; two
    // Tabs on, the key answers 2.
    QCOMPARE(quiz.screen.window()->focusWidget(), widgetNamed(quiz.screen, QStringLiteral("Label1")));
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(quiz.screen.window()->focusWidget(), widgetNamed(quiz.screen, QStringLiteral("Command1(2)")));
    const bool right = static_cast<drill::DrillScreen&>(quiz.screen).rightAnswer() == 2;
    QTest::keyClick(window, Qt::Key(key));
    QCOMPARE(playedSounds().size(), sounds + 1);
    QVERIFY(playedSounds().last().endsWith(right ? QStringLiteral("/音/o.wav") : QStringLiteral("/音/x.wav")));
    QVERIFY(showsOnScreen(quiz.screen, QStringLiteral("Image5")));
    QVERIFY(quiz.screen.isLoaded());
}

void QuizTest::introductionOfAnyLength_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("empty") << 0 << false;
    QTest::newRow("sixty lines, more than the list's height") << 60 << true;
}

void QuizTest::introductionOfAnyLength()
{
    QFETCH(int, lines);
    QFETCH(bool, scrolls);
    const QString introduction = QStringLiteral("\\説明\\ドリル\\説明.txt");
    ContentFolder folder;
    folder.copyShippedExcept({introduction});
    folder.writeText(introduction, lines ? numberedLines(QStringLiteral("説明の %1 行目"), lines) : QString());
    FailureLog log;
    TestProgram program(folder.path());
    Visit start(program, ScreenId::DrillStart);
    QVERIFY(log.errors.isEmpty());
    const QStringList shown = linesOf(start.screen, QStringLiteral("List1"));
    QCOMPARE(shown.size(), lines);
    if (lines)
        QCOMPARE(shown.last(), QStringLiteral("説明の %1 行目").arg(lines));
    QCOMPARE(hasScrollBar(start.screen, QStringLiteral("List1")), scrolls);
    start.press(QStringLiteral("Command1"));
    QVERIFY(program.screen(ScreenId::Drill).isLoaded());
}

void QuizTest::choicesFitSevenLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("seven lines fit") << 7 << false;
    QTest::newRow("the eighth needs the scroll bar") << 8 << true;
}

void QuizTest::choicesFitSevenLines()
{
    QFETCH(int, lines);
    QFETCH(bool, scrolls);
    ContentFolder folder;
    folder.copyShippedExcept({});
    // Thirteen full-width characters a line, as wide as a choice may be.
    for (int n = 1; n <= 30; ++n)
        folder.writeText(drill::choiceFile(n), numberedLines(QStringLiteral("%1　あいうえおかきくけこさし"), lines));
    TestProgram program(folder.path());
    Visit quiz(program, ScreenId::Drill);
    QCOMPARE(linesOf(quiz.screen, QStringLiteral("List1")).size(), lines);
    QCOMPARE(hasScrollBar(quiz.screen, QStringLiteral("List1")), scrolls);
}

void QuizTest::bankIsReadAgainAtTheRestart()
{
    const QString questions = QStringLiteral("\\説明\\ドリル\\問題.txt");
    ContentFolder folder;
    folder.copyShippedExcept({});
    TestProgram program(folder.path());
    Visit quiz(program, ScreenId::Drill);
    QVERIFY(!wordsOf(quiz.screen, QStringLiteral("Label1")).startsWith(QStringLiteral("新しい問題")));
    folder.writeText(questions, numberedLines(QStringLiteral("新しい問題 %1"), 30));
    quiz.answer(false);
    QVERIFY(!wordsOf(quiz.screen, QStringLiteral("Label1")).startsWith(QStringLiteral("新しい問題")));
    quiz.press(QStringLiteral("Image2"));
    const int q = static_cast<drill::DrillScreen&>(quiz.screen).questionNumber();
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label1")), QStringLiteral("新しい問題 %1").arg(q));
}

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
