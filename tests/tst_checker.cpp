// The teachers' content checker: broken copies of the shipped content, each problem found and
// named with its file and line; the forms a teacher may save that the program reads; the same
// measures as the screens; and the command line with its exit codes.
#include "support/gifwriter.h"
#include "support/testprogram.h"

#include "check/contentchecker.h"
#include "content/textfile.h"

#include <QListWidget>
#include <QProcess>
#include <QtTest>

using check::ContentChecker;
using check::Finding;
using namespace testsupport;
using app::ScreenId;

namespace {

const QByteArray kRemove = "<remove>";
const QByteArray kFolder = "<folder>";

QByteArray shipped(const QString& relative)
{
    QFile file(testsupport::shippedContent() + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sjis(const QString& text)
{
    return encodeShiftJis(text);
}

// The shipped file with its n-th line (from 1) replaced.
QByteArray withLine(const QString& relative, int n, const QString& line)
{
    QList<QByteArray> lines = shipped(relative).split('\n');
    lines[n - 1] = sjis(line) + '\r';
    return lines.join('\n');
}

// A copy of the shipped content with one file put in another form.
struct Spoilt {
    ContentFolder folder;
    Spoilt(const QString& relative, const QByteArray& bytes)
    {
        folder.copyAllShipped();
        const QString path = folder.path() + QLatin1Char('/') + relative;
        if (bytes == kRemove || bytes == kFolder) {
            QFile::remove(path);
            if (bytes == kFolder)
                QDir().mkpath(path);
        } else {
            folder.writeBytes(relative, bytes);
        }
    }
    QList<Finding> check()
    {
        ContentChecker checker(folder.path());
        return checker.run();
    }
};

QString linesOf(const QList<Finding>& findings)
{
    QStringList lines;
    for (const Finding& finding : findings)
        lines << finding.toLine();
    return lines.join(QLatin1Char('\n'));
}

QString checkerProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ulmaro-check");
}

}  // namespace

class CheckerTest : public QObject {
    Q_OBJECT
private slots:
    void shippedContentPasses();
    void formsATeacherMaySavePass();
    void eachProblemNamed_data();
    void eachProblemNamed();
    void utf8IsANoteNotAProblem();
    void measuresAsTheScreensShow();
    void commandLine_data();
    void commandLine();
};

void CheckerTest::shippedContentPasses()
{
    ContentChecker checker(testsupport::shippedContent());
    QVERIFY(checker.isApplicationFolder());
    const QList<Finding> findings = checker.run();
    QVERIFY2(findings.isEmpty(), qPrintable(linesOf(findings)));
    QVERIFY(checker.filesChecked() > 80);
}

void CheckerTest::formsATeacherMaySavePass()
{
    ContentFolder folder;
    folder.copyAllShipped();
    const QString negative = QStringLiteral("説明/ボルタ/負極.txt");
    const QString positive = QStringLiteral("説明/ボルタ/正極.txt");
    folder.writeBytes(negative, shipped(negative).replace("\r\n", "\r"));
    folder.writeBytes(positive, shipped(positive).replace("\r\n", "\n"));
    const QString questions = QStringLiteral("説明/ドリル/問題.txt");
    folder.writeBytes(questions, withLine(questions, 1, QStringLiteral("\"電池とは, 何か\"")));
    const QString answers = QStringLiteral("説明/ドリル/正解.txt");
    folder.writeBytes(answers, shipped(answers).trimmed().replace("\r\n", ",") + "\r\n");
    folder.remove(QStringLiteral("\\説明\\ドリル\\解説.txt"));  // a drill without reasons
    ContentChecker checker(folder.path());
    const QList<Finding> findings = checker.run();
    QVERIFY2(findings.isEmpty(), qPrintable(linesOf(findings)));
}

void CheckerTest::eachProblemNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("words");
    const QString manganese = QStringLiteral("説明/マンガン/正極.txt");
    const QString porous = QStringLiteral("説明/ダニエル/素焼き板.txt");
    const QString introduction = QStringLiteral("説明/ドリル/説明.txt");
    const QString page = QStringLiteral("説明/原理/p2.txt");
    const QString questions = QStringLiteral("説明/ドリル/問題.txt");
    const QString answers = QStringLiteral("説明/ドリル/正解.txt");
    const QString choices = QStringLiteral("説明/ドリル/選択肢/a3.txt");
    const QString reasons = QStringLiteral("説明/ドリル/解説.txt");
    const QByteArray many = QByteArray("行\r\n").repeated(40);
    const QByteArray frame = shipped(QStringLiteral("画像/アニメ/zn_1.gif"));
    const QByteArray sound = shipped(QStringLiteral("音/x.wav"));
    QByteArray floatSound = sound;
    floatSound[20] = 3;

    QTest::newRow("missing explanation") << "説明/ボルタ/正極.txt" << kRemove << 0 << "見つかりません";
    QTest::newRow("folder in a text's place") << "説明/鉛蓄電池/負極.txt" << kFolder << 0 << "フォルダーです";
    QTest::newRow("line too wide for its list")
        << manganese << withLine(manganese, 3, QStringLiteral("とても長い行で、一覧の幅には入りきりません")) << 3
        << "一覧の幅";
    QTest::newRow("explanation needs a scroll bar")
        << porous << shipped(porous) + sjis(QString::fromUtf8(many)) << 0 << "スクロール";
    QTest::newRow("introduction needs a scroll bar")
        << introduction << shipped(introduction) + sjis(QString::fromUtf8(many)) << 0 << "スクロール";
    QTest::newRow("page line too wide") << page << withLine(page, 2, QString(60, QChar(0x96FB))) << 2 << "一覧の幅";
    QTest::newRow("byte that decodes as nothing") << page << shipped(page) + "\x81\x20\r\n"
                                                  << int(shipped(page).count('\n') + 1) << "読めない文字";
    QTest::newRow("29 questions") << questions << sjis(QStringLiteral("問\r\n").repeated(29)) << 0
                                  << "30 個必要ですが、29 個";
    QTest::newRow("unclosed quote") << questions << withLine(questions, 5, QStringLiteral("\"閉じない")) << 5
                                    << "引用符";
    QTest::newRow("question too wide") << questions << withLine(questions, 2, QString(40, QChar(0x96FB))) << 2
                                       << "問題の欄の幅";
    QTest::newRow("answer that is no button")
        << answers << withLine(answers, 4, QStringLiteral("4")) << 4 << "1・2・3 のどれでもない";
    QTest::newRow("answer that is no number")
        << answers << withLine(answers, 6, QStringLiteral("二")) << 6 << "数値ではありません";
    QByteArray lineShort = shipped(reasons);
    lineShort.chop(2);
    lineShort.truncate(lineShort.lastIndexOf('\n') + 1);
    QTest::newRow("reasons a line short") << reasons << lineShort << 0 << "29 行あります";
    // As wide as a question may be, but not the line beside the mark that shows a reason.
    QTest::newRow("reason too wide") << reasons << withLine(reasons, 7, QString(25, QChar(0x96FB))) << 7
                                     << "解説の欄の幅 378 px";
    QTest::newRow("folder in the reasons file's place") << reasons << kFolder << 0 << "フォルダーです";
    QTest::newRow("missing choice file") << "説明/ドリル/選択肢/a7.txt" << kRemove << 0 << "見つかりません";
    QTest::newRow("choices need a scroll bar")
        << choices << shipped(choices) + sjis(QString::fromUtf8(many)) << 0 << "スクロール";
    QTest::newRow("broken frame") << "画像/アニメ/zn_1.gif" << frame.left(frame.size() / 2) << 0
                                  << "画像として読み込めません";
    QTest::newRow("frame of the wrong size") << "画像/アニメ/h_2.gif" << solidGif(30, 30, Qt::red) << 0 << "23 × 201";
    QTest::newRow("result picture of the wrong size")
        << "画像/gmedal.gif" << solidGif(10, 10, Qt::red) << 0 << "211 × 207";
    QTest::newRow("missing result picture") << "画像/batu.gif" << kRemove << 0 << "見つかりません";
    QTest::newRow("truncated sound") << "音/x.wav" << sound.left(sound.size() / 2) << 0 << "途中で切れています";
    QTest::newRow("sound that is not PCM") << "音/x.wav" << floatSound << 0 << "PCM ではない";
    QTest::newRow("missing sound") << "音/gokaku.wav" << kRemove << 0 << "見つかりません";
}

void CheckerTest::eachProblemNamed()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, words);
    Spoilt copy(file, bytes);
    const QList<Finding> findings = copy.check();
    QCOMPARE(ContentChecker::problemCount(findings), 1);
    const Finding& problem = findings.first();
    QCOMPARE(problem.path, file);
    QCOMPARE(problem.line, line);
    QVERIFY2(problem.text.contains(words), qPrintable(problem.toLine()));
}

void CheckerTest::utf8IsANoteNotAProblem()
{
    const QString file = QStringLiteral("説明/ボルタ/負極.txt");
    const QString text = content::decodeText(shipped(file)).text;
    Spoilt copy(file, "\xEF\xBB\xBF" + text.toUtf8());
    const QList<Finding> findings = copy.check();
    QCOMPARE(findings.size(), 1);
    QVERIFY(findings.first().note);
    QCOMPARE(findings.first().path, file);
    QVERIFY(findings.first().toLine().startsWith(QStringLiteral("注意: ")));
}

void CheckerTest::measuresAsTheScreensShow()
{
    // The checker builds each list from its layout row alone; the screen on show agrees.
    TestProgram test;
    for (const auto& [id, listName] : {std::pair{ScreenId::Daniell, "List1"}, std::pair{ScreenId::Drill, "List1"},
                                       std::pair{ScreenId::DrillStart, "List1"}}) {
        ui::Screen& s = test.open(id);
        ui::ListBox& shown = s.list(listName);
        shown.show();
        TestProgram::settle();
        const ui::ListBox alone(shown.row(), nullptr);
        QListWidget* view = &shown;
        QCOMPARE(alone.textRoom(), view->viewport()->width() - 2);
        QCOMPARE(alone.visibleRows(), view->viewport()->height() / view->font().pixelSize());
    }
}

void CheckerTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("words");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "使い方: ulmaro-check [フォルダー]";
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringLiteral("ulmaro-check %1").arg(ULMARO_VERSION);
    QTest::newRow("the shipped content") << QStringList{testsupport::shippedContent()} << 0 << "問題はありません";
    QTest::newRow("a broken copy") << QStringList{"<broken>"} << 1 << "問題 1 件、注意 0 件";
    QTest::newRow("not an application folder")
        << QStringList{QDir::rootPath()} << 2 << "アプリケーションフォルダーではありません";
    QTest::newRow("an unknown option") << QStringList{"--fix"} << 2 << "--fix というオプションはありません";
    QTest::newRow("two folders") << QStringList{testsupport::shippedContent(), QDir::rootPath()} << 2 << "一つだけ";
}

void CheckerTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, words);
    Spoilt broken(QStringLiteral("音/o.wav"), kRemove);
    arguments.replaceInStrings(QStringLiteral("<broken>"), broken.folder.path());
    QProcess checker;
    checker.start(checkerProgram(), arguments);
    QVERIFY(checker.waitForFinished());
    QCOMPARE(checker.exitStatus(), QProcess::NormalExit);
    QCOMPARE(checker.exitCode(), exitCode);
    const QString output = QString::fromUtf8(checker.readAllStandardOutput() + checker.readAllStandardError());
    QVERIFY2(output.contains(words), qPrintable(output));
}

QTEST_MAIN(CheckerTest)
#include "tst_checker.moc"
