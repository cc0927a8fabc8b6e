// The drill's field files (questions and right answers) read field by field, the failures that
// stop a drill from starting, the reasons file beside them, the choice file names, and the
// shipped files themselves.
#include "support/contentfolder.h"

#include "content/contenterror.h"
#include "content/contentpath.h"
#include "content/textfile.h"
#include "drill/questionbank.h"

#include <QtTest>

using content::ContentError;
using drill::QuestionBank;
using namespace testsupport;

namespace {

const QString kQuestionsPath = QStringLiteral("/drill/問題.txt");
const QString kAnswersPath = QStringLiteral("/drill/正解.txt");
const QString kReasonsPath = QStringLiteral("/drill/解説.txt");

// "問first" to "問last", one per entry.
QStringList numbered(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << QStringLiteral("問%1").arg(n);
    return texts;
}

QByteArray lines(const QStringList& texts, const char* end = "\r\n")
{
    return encodeShiftJis(texts.join(QLatin1String(end)) + QLatin1String(end));
}

QByteArray thirtyAnswers()
{
    QStringList numbers;
    for (int n = 1; n <= 30; ++n)
        numbers << QString::number(n % 3 + 1);
    return lines(numbers);
}

QuestionBank parse(const QByteArray& questions, const QByteArray& answers)
{
    return drill::parseQuestionBank(kQuestionsPath, questions, kAnswersPath, answers);
}

QStringList textsOf(const QuestionBank& bank)
{
    return QStringList(bank.text.begin() + 1, bank.text.end());
}

QList<int> answersOf(const QuestionBank& bank)
{
    return QList<int>(bank.answer.begin() + 1, bank.answer.end());
}

}  // namespace

class DrillFilesTest : public QObject {
    Q_OBJECT
private slots:
    void questionFields_data();
    void questionFields();
    void answerFields_data();
    void answerFields();
    void tooFewFields_data();
    void tooFewFields();
    void answerRange_data();
    void answerRange();
    void answerNotANumber();
    void reasonLines_data();
    void reasonLines();
    void reasonsFileMayBeMissing();
    void choiceFileNames_data();
    void choiceFileNames();
    void shortQuestionsReportedBeforeMissingAnswers();
    void shippedBankReads();
};

void DrillFilesTest::questionFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("CR LF") << lines(numbered(1, 30)) << numbered(1, 30);
    QTest::newRow("CR") << lines(numbered(1, 30), "\r") << numbered(1, 30);
    QTest::newRow("LF") << lines(numbered(1, 30), "\n") << numbered(1, 30);
    QTest::newRow("no line end after the last")
        << encodeShiftJis(numbered(1, 30).join(QLatin1String("\r\n"))) << numbered(1, 30);
    QTest::newRow("quoted comma") << lines(QStringList{QStringLiteral("\"電池とは, 何か\"")} + numbered(2, 30))
                                  << QStringList{QStringLiteral("電池とは, 何か")} + numbered(2, 30);
    QTest::newRow("text after the closing quote dropped")
        << lines(QStringList{QStringLiteral("\"問1\" 余分")} + numbered(2, 30)) << numbered(1, 30);
    QTest::newRow("unquoted comma splits and shifts")
        << lines(QStringList{QStringLiteral("前半,後半")} + numbered(2, 30))
        << QStringList{QStringLiteral("前半"), QStringLiteral("後半")} + numbered(2, 29);
    QTest::newRow("blank line is an empty question") << lines(numbered(1, 1) + QStringList{QString()} + numbered(2, 30))
                                                     << numbered(1, 1) + QStringList{QString()} + numbered(2, 29);
    QTest::newRow("two commas give an empty field") << lines(QStringList{QStringLiteral("問1,,問2")} + numbered(3, 30))
                                                    << numbered(1, 1) + QStringList{QString()} + numbered(2, 29);
    QTest::newRow("blanks before fields skipped")
        << lines(QStringList{QStringLiteral("  \t問1"), QStringLiteral(" \"問2\"")} + numbered(3, 30))
        << numbered(1, 30);
    QTest::newRow("fields past the thirtieth unread")
        << lines(numbered(1, 30) + QStringList{QStringLiteral("\"閉じない引用符")}) << numbered(1, 30);
    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("UTF-8 with a byte-order mark")
        << "\xEF\xBB\xBF" + (numbered(1, 30).join(crlf) + crlf).toUtf8() << numbered(1, 30);
    QTest::newRow("UTF-8 mark, and a byte that is not UTF-8") << "\xEF\xBB\xBF" + numbered(1, 30).join(crlf).toUtf8()
            + "\xFF\r\n" << numbered(1, 29) + QStringList{QStringLiteral("問30\uFFFD")};
    QTest::newRow("UTF-16 with a byte-order mark")
        << encodeUtf16(numbered(1, 30).join(crlf) + crlf, QStringConverter::Utf16LE) << numbered(1, 30);
}

void DrillFilesTest::questionFields()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, texts);
    QCOMPARE(textsOf(parse(file, thirtyAnswers())), texts);
}

void DrillFilesTest::answerFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("answers");
    QList<int> pattern;
    QStringList digits;
    for (int n = 1; n <= 30; ++n) {
        pattern << n % 3 + 1;
        digits << QString::number(n % 3 + 1);
    }
    QTest::newRow("one per line, CR LF") << lines(digits) << pattern;
    QTest::newRow("one per line, CR") << lines(digits, "\r") << pattern;
    QTest::newRow("one per line, LF") << lines(digits, "\n") << pattern;
    QTest::newRow("one line, commas") << encodeShiftJis(digits.join(QLatin1Char(',')) + QStringLiteral("\r\n"))
                                      << pattern;
    QTest::newRow("blanks around commas")
        << encodeShiftJis(digits.join(QLatin1String(" , ")) + QStringLiteral("\r\n")) << pattern;
    QTest::newRow("blanks between numbers") << encodeShiftJis(digits.join(QLatin1String("  "))) << pattern;
    QTest::newRow("blanks before line ends") << lines(digits, " \t\r\n") << pattern;
    QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + lines(digits) << pattern;
    QTest::newRow("empty field reads 0") << encodeShiftJis(QStringLiteral("2,,") + digits.mid(2).join(QLatin1Char(',')))
                                         << QList<int>{2, 0} + pattern.mid(2);
}

void DrillFilesTest::answerFields()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, answers);
    QCOMPARE(answersOf(parse(lines(numbered(1, 30)), file)), answers);
}

void DrillFilesTest::tooFewFields_data()
{
    QTest::addColumn<QByteArray>("questions");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("found");
    QTest::newRow("29 questions") << lines(numbered(1, 29)) << thirtyAnswers() << kQuestionsPath << 29;
    QTest::newRow("empty question file") << QByteArray() << thirtyAnswers() << kQuestionsPath << 0;
    QTest::newRow("29 answers") << lines(numbered(1, 30)) << thirtyAnswers().left(qsizetype(29) * 3) << kAnswersPath
                                << 29;
    QTest::newRow("empty answer file") << lines(numbered(1, 30)) << QByteArray() << kAnswersPath << 0;
}

void DrillFilesTest::tooFewFields()
{
    QFETCH(QByteArray, questions);
    QFETCH(QByteArray, answers);
    QFETCH(QString, path);
    QFETCH(int, found);
    try {
        parse(questions, answers);
        QFAIL("a file with too few fields was read");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::BadFieldFile);
        QCOMPARE(error.path(), path);
        QVERIFY(error.report().contains(path));
        QVERIFY2(error.causeText().contains(QString::number(found)), qPrintable(error.causeText()));
    }
}

void DrillFilesTest::answerRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("fits");
    QTest::newRow("largest 16-bit") << "32767" << true;
    QTest::newRow("smallest 16-bit") << "-32768" << true;
    QTest::newRow("one past the largest") << "32768" << false;
    QTest::newRow("one below the smallest") << "-32769" << false;
    QTest::newRow("40000") << "40000" << false;
    QTest::newRow("25 digits") << "1234567890123456789012345" << false;
}

void DrillFilesTest::answerRange()
{
    QFETCH(QString, field);
    QFETCH(bool, fits);
    QStringList digits = QString::fromLatin1(thirtyAnswers()).split(QStringLiteral("\r\n"));
    digits[4] = field;
    try {
        const QuestionBank bank = parse(lines(numbered(1, 30)), encodeShiftJis(digits.join(QStringLiteral("\r\n"))));
        QVERIFY2(fits, "an answer out of the 16-bit range was read");
        QCOMPARE(QString::number(bank.answer[5]), field);
        QCOMPARE(bank.answer[6], qint16(6 % 3 + 1));
    } catch (const ContentError& error) {
        QVERIFY2(!fits, qPrintable(error.causeText()));
        QCOMPARE(error.cause(), ContentError::Cause::BadFieldFile);
        QCOMPARE(error.path(), kAnswersPath);
        QVERIFY(error.causeText().contains(field));
    }
}

void DrillFilesTest::answerNotANumber()
{
    QStringList digits = QString::fromLatin1(thirtyAnswers()).split(QStringLiteral("\r\n"));
    digits[6] = QStringLiteral("x");
    try {
        parse(lines(numbered(1, 30)), encodeShiftJis(digits.join(QStringLiteral("\r\n"))));
        QFAIL("a letter was read as an answer");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::BadFieldFile);
        QCOMPARE(error.path(), kAnswersPath);
        QVERIFY2(error.causeText().contains(QLatin1String("7")), qPrintable(error.causeText()));
        QVERIFY2(error.causeText().contains(QLatin1String("x")), qPrintable(error.causeText()));
    }
}

void DrillFilesTest::reasonLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("reasons");  // empty: the file is refused
    QTest::addColumn<int>("line");             // where the refusal points
    const QStringList thirty = numbered(1, 30);
    QStringList lastBlank = numbered(1, 29);
    lastBlank << QString();
    QStringList blanks(30);
    QTest::newRow("a line a question") << lines(thirty) << thirty << 0;
    QTest::newRow("UTF-8, LF") << (thirty.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8() << thirty << 0;
    QTest::newRow("blank lines after the thirtieth") << lines(thirty + QStringList{"", " ", ""}) << thirty << 0;
    QTest::newRow("the last question without a reason") << lines(lastBlank) << lastBlank << 0;
    QTest::newRow("no question with a reason") << lines(blanks) << blanks << 0;
    QTest::newRow("blanks around a reason dropped, commas kept")
        << lines(QStringList{QStringLiteral("　理由, その一 ")} + numbered(2, 30))
        << QStringList{QStringLiteral("理由, その一")} + numbered(2, 30) << 0;
    QTest::newRow("29 lines") << lines(numbered(1, 29)) << QStringList{} << 0;
    QTest::newRow("a 31st line with words") << lines(numbered(1, 31)) << QStringList{} << 31;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << 0;
}

void DrillFilesTest::reasonLines()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, reasons);
    QFETCH(int, line);
    QuestionBank bank = parse(lines(numbered(1, 30)), thirtyAnswers());
    try {
        drill::parseReasons(bank, kReasonsPath, file);
        QVERIFY2(!reasons.isEmpty(), "a reasons file of the wrong length was read");
        QCOMPARE(QStringList(bank.reason.begin() + 1, bank.reason.end()), reasons);
    } catch (const ContentError& error) {
        QVERIFY2(reasons.isEmpty(), qPrintable(error.causeText()));
        QCOMPARE(error.path(), kReasonsPath);
        QCOMPARE(error.line(), line);
        const QString count = QString::number(content::decodeLines(file).size());
        QVERIFY2(error.causeText().contains(count + QStringLiteral(" 行あります")), qPrintable(error.causeText()));
    }
}

void DrillFilesTest::reasonsFileMayBeMissing()
{
    ContentFolder folder;
    folder.writeBytes(QString::fromUtf8(drill::kQuestionsFile), lines(numbered(1, 30)));
    folder.writeBytes(QString::fromUtf8(drill::kAnswersFile), thirtyAnswers());
    content::setAppPath(folder.path());
    const QuestionBank bank = drill::readQuestionBank();
    QCOMPARE(textsOf(bank), numbered(1, 30));
    for (int n = 1; n <= 30; ++n)
        QVERIFY2(bank.reason[n].isEmpty(), qPrintable(bank.reason[n]));

    // Only a missing file is taken for none: one the program cannot read is reported.
    QDir().mkpath(folder.path() + QStringLiteral("/説明/ドリル/解説.txt"));
    try {
        drill::readQuestionBank();
        QFAIL("a folder in the reasons file's place was taken for no reasons");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::Folder);
        QVERIFY(error.path().endsWith(QStringLiteral("/説明/ドリル/解説.txt")));
    }
}

void DrillFilesTest::choiceFileNames_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("file");
    QTest::newRow("first") << 1 << QStringLiteral("\\説明\\ドリル\\選択肢\\a1.txt");
    QTest::newRow("one digit, no leading zero or blank") << 7 << QStringLiteral("\\説明\\ドリル\\選択肢\\a7.txt");
    QTest::newRow("two digits") << 10 << QStringLiteral("\\説明\\ドリル\\選択肢\\a10.txt");
    QTest::newRow("last") << 30 << QStringLiteral("\\説明\\ドリル\\選択肢\\a30.txt");
}

void DrillFilesTest::choiceFileNames()
{
    QFETCH(int, question);
    QFETCH(QString, file);
    QCOMPARE(drill::choiceFile(question), file);
}

void DrillFilesTest::shortQuestionsReportedBeforeMissingAnswers()
{
    // The question file is read to its end before the answer file is opened.
    ContentFolder folder;
    folder.writeText(QStringLiteral("\\説明\\ドリル\\問題.txt"), QStringLiteral("一問だけ\r\n"));
    content::setAppPath(folder.path());
    try {
        drill::readQuestionBank();
        QFAIL("a bank of one question was read");
    } catch (const ContentError& error) {
        QCOMPARE(error.path(), folder.path() + QStringLiteral("/説明/ドリル/問題.txt"));
        QCOMPARE(error.cause(), ContentError::Cause::BadFieldFile);
    }
}

void DrillFilesTest::shippedBankReads()
{
    content::setAppPath(content::appPathFromFolder(shippedContent()));
    QuestionBank bank;
    try {
        bank = drill::readQuestionBank();
    } catch (const ContentError& error) {
        QFAIL(qPrintable(error.report()));
    }
    QSet<int> used;
    QList<int> atPosition(4, 0);
    for (int n = 1; n <= 30; ++n) {
        QVERIFY2(!bank.text[n].isEmpty(), qPrintable(QStringLiteral("question %1 is empty").arg(n)));
        QVERIFY2(bank.answer[n] >= 1 && bank.answer[n] <= 3, qPrintable(QStringLiteral("answer %1").arg(n)));
        used << bank.answer[n];
        ++atPosition[qBound(0, int(bank.answer[n]), 3)];
        // Every question is asked the same way, and says why its answer is right after a miss.
        QVERIFY2(bank.text[n].endsWith(QStringLiteral("どれか。")), qPrintable(bank.text[n]));
        QVERIFY2(!bank.reason[n].isEmpty(), qPrintable(QStringLiteral("question %1 has no reason").arg(n)));
        // Every question has its choices to show.
        const QStringList choices = content::readLines(content::contentPath(drill::choiceFile(n)));
        QVERIFY2(choices.size() >= 3, qPrintable(drill::choiceFile(n)));
    }
    QCOMPARE(used.size(), 3);
    // No answer position can be guessed: each holds a third of the answers.
    QCOMPARE(atPosition, (QList<int>{0, 10, 10, 10}));
}

QTEST_GUILESS_MAIN(DrillFilesTest)
#include "tst_drillfiles.moc"
