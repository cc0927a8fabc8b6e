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

// Files that several tests spoil.
const QString kManganese = QStringLiteral("説明/マンガン/正極.txt");
const QString kQuestions = QStringLiteral("説明/ドリル/問題.txt");
const QString kAnswers = QStringLiteral("説明/ドリル/正解.txt");

QByteArray shipped(const QString& relative)
{
    QFile file(testsupport::shippedContent() + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sjis(const QString& text)
{
    return encodeShiftJis(text);
}

// The shipped file with its n-th line (from 1) replaced, by a text or by bytes as they stand.
QByteArray withLineBytes(const QString& relative, int n, const QByteArray& line)
{
    QList<QByteArray> lines = shipped(relative).split('\n');
    lines[n - 1] = line + '\r';
    return lines.join('\n');
}

QByteArray withLine(const QString& relative, int n, const QString& line)
{
    return withLineBytes(relative, n, sjis(line));
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
    void garbledTextsFound_data();
    void garbledTextsFound();
    void rowLimits_data();
    void rowLimits();
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
    folder.writeBytes(kQuestions, withLine(kQuestions, 1, QStringLiteral("\"電池とは, 何か\"")));
    folder.writeBytes(kAnswers, shipped(kAnswers).trimmed().replace("\r\n", ",") + "\r\n");
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
    const QString porous = QStringLiteral("説明/ダニエル/素焼き板.txt");
    const QString introduction = QStringLiteral("説明/ドリル/説明.txt");
    const QString page = QStringLiteral("説明/原理/p2.txt");
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
        << kManganese << withLine(kManganese, 3, QStringLiteral("とても長い行で、一覧の幅には入りきりません")) << 3
        << "一覧の幅";
    QTest::newRow("explanation needs a scroll bar")
        << porous << shipped(porous) + sjis(QString::fromUtf8(many)) << 0 << "スクロール";
    QTest::newRow("introduction needs a scroll bar")
        << introduction << shipped(introduction) + sjis(QString::fromUtf8(many)) << 0 << "スクロール";
    QTest::newRow("page line too wide") << page << withLine(page, 2, QString(60, QChar(0x96FB))) << 2 << "一覧の幅";
    QTest::newRow("byte that decodes as nothing") << page << shipped(page) + "\x81\x20\r\n"
                                                  << int(shipped(page).count('\n') + 1) << "読めない文字";
    QTest::newRow("29 questions") << kQuestions << sjis(QStringLiteral("問\r\n").repeated(29)) << 0
                                  << "30 個必要ですが、29 個";
    QTest::newRow("unclosed quote") << kQuestions << withLine(kQuestions, 5, QStringLiteral("\"閉じない")) << 5
                                    << "引用符";
    QTest::newRow("question too wide") << kQuestions << withLine(kQuestions, 2, QString(40, QChar(0x96FB))) << 2
                                       << "問題の欄の幅";
    QTest::newRow("answer that is no button")
        << kAnswers << withLine(kAnswers, 4, QStringLiteral("4")) << 4 << "1・2・3 のどれでもない";
    QTest::newRow("answer that is no number")
        << kAnswers << withLine(kAnswers, 6, QStringLiteral("二")) << 6 << "数値ではありません";
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
    QTest::newRow("frame of the right width, too short")
        << "画像/アニメ/h_2.gif" << solidGif(23, 200, Qt::red) << 0 << "大きさが 23 × 200 ピクセル";
    QTest::newRow("frame of the right height, too narrow")
        << "画像/アニメ/h_2.gif" << solidGif(22, 201, Qt::red) << 0 << "大きさが 22 × 201 ピクセル";
    QTest::newRow("result picture of the wrong size")
        << "画像/gmedal.gif" << solidGif(10, 10, Qt::red) << 0 << "211 × 207";
    QTest::newRow("missing result picture") << "画像/batu.gif" << kRemove << 0 << "見つかりません";
    QTest::newRow("larger copy a pixel short") << "画像/アニメ/h_2@2x.gif" << solidGif(46, 401, Qt::red) << 0
                                               << "ちょうど 46 × 402 ピクセル";
    QTest::newRow("larger copy of another aspect") << "画像/maru@3x.gif" << solidGif(633, 422, Qt::red) << 0
                                                   << "maru.gif の 3 倍の写しなので、ちょうど 633 × 621";
    QTest::newRow("larger copy that lost its transparency")
        << "画像/アニメ/zn_3@3x.gif" << solidGif(63, 609, Qt::red) << 0 << "透明な所が zn_3.gif と合っていません";
    QTest::newRow("larger copy see-through where its picture is not")
        << "画像/アニメ/e7@2x.gif" << writeGif({Qt::white}, {GifFrame{426, 26, QVector<quint8>(426 * 26, 0)}}, 0) << 0
        << "透明な所が e7.gif と合っていません";
    QTest::newRow("broken larger copy") << "画像/アニメ/e4@2x.gif" << frame.left(frame.size() / 2) << 0
                                        << "画像として読み込めません";
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

void CheckerTest::garbledTextsFound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");  // how each line of the report begins, in order
    const QString volta = QStringLiteral("説明/ボルタ/負極.txt");
    const QString page = QStringLiteral("説明/原理/p1.txt");
    const QString lead = QStringLiteral("説明/鉛蓄電池/正極.txt");
    const QString choices = QStringLiteral("説明/ドリル/選択肢/a1.txt");
    const auto textOf = [](const QString& relative) { return content::decodeText(shipped(relative)).text; };
    const QByteArray utf8Mark = "\xEF\xBB\xBF";

    QTest::newRow("UTF-16 little endian, a note") << volta << encodeUtf16(textOf(volta), QStringConverter::Utf16LE)
                                                  << QStringList{"注意: " + volta + ": UTF-16 で保存されています"};
    QTest::newRow("UTF-16 big endian, a note") << page << encodeUtf16(textOf(page), QStringConverter::Utf16BE)
                                               << QStringList{"注意: " + page + ": UTF-16 で保存されています"};
    QTest::newRow("UTF-8 byte-order mark in the answers")
        << kAnswers << utf8Mark + shipped(kAnswers) << QStringList{"注意: " + kAnswers + ": UTF-8 で保存されています"};
    QTest::newRow("bytes that are no character")
        << page << withLineBytes(page, 2, sjis(QStringLiteral("電池")) + "\x85\x40" + sjis(QStringLiteral("です")))
        << QStringList{page + " 2 行目 3 文字目: 読めない文字があります（Shift-JIS でも UTF-8 でもない"};
    QTest::newRow("a byte that is not UTF-8 after a UTF-8 mark")
        << lead << utf8Mark + textOf(lead).toUtf8().insert(textOf(lead).toUtf8().indexOf('\r'), '\xFF')
        << QStringList{"注意: " + lead + ": UTF-8",
                       QStringLiteral("%1 1 行目 %2 文字目: 読めない文字があります（UTF-8 として正しくない")
                           .arg(lead)
                           .arg(textOf(lead).indexOf(QLatin1Char('\r')) + 1)};
    QTest::newRow("NUL") << kManganese
                         << withLineBytes(kManganese, 3, sjis(QStringLiteral("亜鉛")) + QByteArray(1, '\0'))
                         << QStringList{kManganese + " 3 行目 3 文字目: NUL 文字"};
    const QStringList choiceLines = content::decodeLines(shipped(choices));
    const QString lastPlace =
        QStringLiteral(" %1 行目 %2 文字目: ").arg(choiceLines.size()).arg(choiceLines.last().size());
    QTest::newRow("Shift-JIS cut in the middle of a character")
        << choices << shipped(choices).chopped(3)
        << QStringList{choices + lastPlace + "文字の途中でファイルが終わっています"};
    QTest::newRow("empty") << volta << QByteArray() << QStringList{volta + ": 何も書かれていません"};
    QTest::newRow("nothing but a byte-order mark")
        << volta << QByteArray("\xFF\xFE")
        << QStringList{"注意: " + volta + ": UTF-16", volta + ": 何も書かれていません"};
    const QString fourth = content::decodeLines(shipped(kQuestions)).at(3);
    QTest::newRow("a question asked twice")
        << kQuestions << withLine(kQuestions, 9, QStringLiteral("  ") + fourth)
        << QStringList{kQuestions + " 9 行目 3 文字目: 9 番目の問題が、4 番目の問題（4 行目）と同じです"};
}

void CheckerTest::garbledTextsFound()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    Spoilt copy(file, bytes);
    const QList<Finding> found = copy.check();
    QCOMPARE(found.size(), findings.size());
    for (qsizetype i = 0; i < found.size(); ++i)
        QVERIFY2(found[i].toLine().startsWith(findings[i]), qPrintable(linesOf(found)));
}

void CheckerTest::rowLimits_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("linesPast");  // lines beyond what the list shows
    const QString porous = QStringLiteral("説明/ダニエル/素焼き板.txt");
    const QString choices = QStringLiteral("説明/ドリル/選択肢/a3.txt");
    QTest::newRow("explanation as long as its list") << porous << int(ScreenId::Daniell) << 0;
    QTest::newRow("explanation one line longer") << porous << int(ScreenId::Daniell) << 1;
    QTest::newRow("choices as many as their list shows") << choices << int(ScreenId::Drill) << 0;
    QTest::newRow("choices one line more") << choices << int(ScreenId::Drill) << 1;
}

void CheckerTest::rowLimits()
{
    QFETCH(QString, file);
    QFETCH(int, screen);
    QFETCH(int, linesPast);
    TestProgram test;
    const auto made = app::Program::makeScreen(ScreenId(screen), test.program());
    const auto listRow = std::find_if(made->layout().begin(), made->layout().end(),
                                      [](const ui::ControlSpec& row) { return row.name == std::string_view("List1"); });
    QVERIFY(listRow != made->layout().end());
    const int rows = ui::ListBox(*listRow, nullptr).visibleRows();
    QVERIFY(rows > 1);
    Spoilt copy(file, sjis(QStringLiteral("行\r\n").repeated(rows + linesPast)));
    const QList<Finding> findings = copy.check();
    if (linesPast == 0) {
        QVERIFY2(findings.isEmpty(), qPrintable(linesOf(findings)));
        return;
    }
    QCOMPARE(findings.size(), 1);
    QVERIFY2(findings.first().text.startsWith(
                 QStringLiteral("%1 行あります。一覧に見えるのは %2 行まで").arg(rows + 1).arg(rows)),
             qPrintable(linesOf(findings)));
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
