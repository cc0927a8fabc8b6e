// Bad content in a content file's place: folders, pipes, devices, huge files and pictures,
// broken drill fields. Each is refused at once with its real cause, in a report that can be read
// and a message box that fits the screen.
#include "support/gifwriter.h"
#include "support/testprogram.h"

#include "app/failurebox.h"
#include "content/contenterror.h"
#include "content/contentpath.h"
#include "content/failurereport.h"
#include "content/picturefile.h"
#include "content/soundfile.h"
#include "content/textfile.h"
#include "drill/questionbank.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

using content::ContentError;
using Cause = ContentError::Cause;
using namespace testsupport;
using app::ScreenId;

namespace {

// What a test puts where a content file belongs.
void make(const QString& kind, const QString& path)
{
    if (kind == QLatin1String("folder")) {
        QDir().mkpath(path);
    } else if (kind == QLatin1String("named pipe")) {
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    } else if (kind == QLatin1String("link to /dev/zero")) {
        QFile::link(QStringLiteral("/dev/zero"), path);
    } else if (kind == QLatin1String("link to a folder")) {
        QFile::link(QDir::tempPath(), path);
    } else if (kind == QLatin1String("dangling link")) {
        QFile::link(path + QStringLiteral(".gone"), path);
    }
}

// A file of the given size that takes no room on the disk.
void makeSparse(const QString& path, qint64 size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.resize(size);
}

ContentError errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const ContentError& error) {
        return error;
    }
    return ContentError(QString(), Cause::BadFieldFile, QStringLiteral("nothing was refused"));
}

// A one-pixel GIF that declares a picture of width × height, as a legal GIF may.
QByteArray gifDeclaring(int width, int height)
{
    QByteArray gif = solidGif(1, 1, Qt::red);
    gif[6] = char(width & 0xFF);
    gif[7] = char(width >> 8);
    gif[8] = char(height & 0xFF);
    gif[9] = char(height >> 8);
    return gif;
}

QByteArray thirtyLines(const QByteArray& first)
{
    QByteArray bytes = first + "\r\n";
    for (int n = 2; n <= 30; ++n)
        bytes += "1\r\n";
    return bytes;
}

QByteArray thirtyQuestions()
{
    QStringList questions;
    for (int n = 1; n <= 30; ++n)
        questions << QStringLiteral("問%1").arg(n);
    return encodeShiftJis(questions.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

}  // namespace

class BadContentTest : public QObject {
    Q_OBJECT
private slots:
    void specialFilesRefusedByEveryLoader_data();
    void specialFilesRefusedByEveryLoader();
    void sizeLimits_data();
    void sizeLimits();
    void hugePictures_data();
    void hugePictures();
    void pipeInALessonIsReported();
    void hugeBubbleIsReported();

    void controlCodesAsCodePage932();
    void unclosedQuote_data();
    void unclosedQuote();
    void answerFieldsQuotedReadably_data();
    void answerFieldsQuotedReadably();
    void shownText_data();
    void shownText();
    void failureBoxFitsTheScreen_data();
    void failureBoxFitsTheScreen();
};

void BadContentTest::specialFilesRefusedByEveryLoader_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("words");
    QTest::newRow("folder") << "folder" << int(Cause::Folder) << "フォルダーです";
    QTest::newRow("named pipe") << "named pipe" << int(Cause::NotAFile) << "名前付きパイプ";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero" << int(Cause::NotAFile) << "装置ファイル";
    QTest::newRow("link to a folder") << "link to a folder" << int(Cause::Folder) << "フォルダーです";
    QTest::newRow("dangling link") << "dangling link" << int(Cause::NotFound) << "見つかりません";
}

void BadContentTest::specialFilesRefusedByEveryLoader()
{
    QFETCH(QString, kind);
    QFETCH(int, cause);
    QFETCH(QString, words);
    ContentFolder folder;
    const QString path = folder.path() + QStringLiteral("/thing");
    make(kind, path);
    const QList<std::function<void()>> loaders{[&] { content::readLines(path); }, [&] { content::readPicture(path); },
                                               [&] { content::checkSound(path); }};
    for (const auto& load : loaders) {
        const ContentError error = errorOf(load);
        QCOMPARE(error.path(), path);
        QCOMPARE(int(error.cause()), cause);
        QVERIFY2(error.report().contains(words), qPrintable(error.report()));
    }
}

void BadContentTest::sizeLimits_data()
{
    QTest::addColumn<QString>("loader");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("refused");
    QTest::newRow("text of 1 MiB") << "text" << content::kTextByteLimit << false;
    QTest::newRow("text one byte over") << "text" << content::kTextByteLimit + 1 << true;
    QTest::newRow("text of 200 MB") << "text" << qint64(200) * 1000 * 1000 << true;
    QTest::newRow("picture over 16 MiB") << "picture" << content::kPictureByteLimit + 1 << true;
    QTest::newRow("sound over 16 MiB") << "sound" << content::kSoundByteLimit + 1 << true;
}

void BadContentTest::sizeLimits()
{
    QFETCH(QString, loader);
    QFETCH(qint64, size);
    QFETCH(bool, refused);
    ContentFolder folder;
    const QString path = folder.path() + QStringLiteral("/big");
    makeSparse(path, size);
    const ContentError error = errorOf([&] {
        if (loader == QLatin1String("text"))
            QCOMPARE(content::readLines(path),
                     QStringList{QString(qsizetype(size), QChar(QChar::ReplacementCharacter))});
        else if (loader == QLatin1String("picture"))
            content::readPicture(path);
        else
            content::checkSound(path);
    });
    QCOMPARE(error.cause() == Cause::TooLarge, refused);
    if (refused) {
        const QString limit = loader == QLatin1String("text") ? QStringLiteral("1 MiB") : QStringLiteral("16 MiB");
        QVERIFY2(error.causeText().contains(limit), qPrintable(error.causeText()));
    }
}

void BadContentTest::hugePictures_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("the largest allowed") << 2048 << 2048;
    QTest::newRow("one pixel too wide") << 2049 << 1;
    QTest::newRow("one pixel too tall") << 1 << 2049;
    QTest::newRow("4000 × 4000") << 4000 << 4000;
    QTest::newRow("6000 × 6000") << 6000 << 6000;
}

void BadContentTest::hugePictures()
{
    QFETCH(int, width);
    QFETCH(int, height);
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\big.gif"), gifDeclaring(width, height));
    const QString path = folder.path() + QStringLiteral("/big.gif");
    const bool allowed = width <= content::kPictureSideLimit && height <= content::kPictureSideLimit;
    if (allowed) {
        QCOMPARE(content::readPicture(path).size(), QSize(width, height));
        return;
    }
    const ContentError error = errorOf([&] { content::readPicture(path); });
    QCOMPARE(error.cause(), Cause::PictureTooLarge);
    QVERIFY2(error.causeText().contains(QStringLiteral("%1 × %2").arg(width).arg(height)),
             qPrintable(error.causeText()));
    QVERIFY(error.causeText().contains(QStringLiteral("2048 × 2048")));
}

void BadContentTest::pipeInALessonIsReported()
{
    ContentFolder folder;
    folder.copyAllShipped();
    const QString path = folder.path() + QStringLiteral("/説明/ボルタ/負極.txt");
    QFile::remove(path);
    make(QStringLiteral("named pipe"), path);
    FailureLog log;
    TestProgram test(folder.path());
    ui::Screen& volta = test.open(ScreenId::Volta);
    volta.click("Image13");
    volta.click("Command2");
    QCOMPARE(log.errors.size(), 1);
    QCOMPARE(log.errors.first().path(), path);
    QCOMPARE(log.errors.first().cause(), Cause::NotAFile);
}

void BadContentTest::hugeBubbleIsReported()
{
    // Once refused, not drawn at 4000 px on every tick of a 50 ms clock.
    ContentFolder folder;
    folder.copyAllShipped();
    folder.writeBytes(QStringLiteral("\\画像\\アニメ\\awa1.gif"), gifDeclaring(4000, 4000));
    FailureLog log;
    TestProgram test(folder.path());
    ui::Screen& volta = test.open(ScreenId::Volta);
    for (int i = 0; i < 4 && log.errors.isEmpty(); ++i)
        volta.tick("Timer2");
    QCOMPARE(log.errors.size(), 1);
    QCOMPARE(log.errors.first().cause(), Cause::PictureTooLarge);
    QVERIFY(log.errors.first().path().endsWith(QStringLiteral("/awa1.gif")));
}

void BadContentTest::controlCodesAsCodePage932()
{
    // Each control byte stands for the control code of its own number, as in code page 932, and
    // a byte that decodes as nothing is U+FFFD, whether alone or a lead byte without its pair.
    QCOMPARE(content::decodeShiftJis(QByteArray("\x1A\x1C\x7F\x09", 4)), QStringLiteral("\x1A\x1C\x7F\t"));
    QCOMPARE(content::decodeShiftJis(QByteArray("\xA0\x81 \x81\x1A")), QStringLiteral("\uFFFD\uFFFD \uFFFD\x1A"));
}

void BadContentTest::unclosedQuote_data()
{
    QTest::addColumn<int>("openedOn");  // 0: no unclosed quote among the 30
    QTest::addColumn<int>("question");
    QTest::newRow("on line 5") << 5 << 5;
    QTest::newRow("in the last question") << 30 << 30;
    QTest::newRow("closed on a later line") << 0 << 0;
}

void BadContentTest::unclosedQuote()
{
    QFETCH(int, openedOn);
    QFETCH(int, question);
    QStringList lines;
    for (int n = 1; n <= 31; ++n)
        lines << QStringLiteral("問%1").arg(n);
    if (openedOn > 0) {
        lines[openedOn - 1].prepend(QLatin1Char('"'));
    } else {
        lines[4] = QStringLiteral("\"問5は");
        lines[5] = QStringLiteral("二行です\"");
    }
    const QByteArray file = encodeShiftJis(lines.join(QStringLiteral("\r\n")));
    const ContentError error = errorOf(
        [&] { drill::parseQuestionBank(QStringLiteral("/q.txt"), file, QStringLiteral("/a.txt"), thirtyLines("1")); });
    if (openedOn == 0) {
        QCOMPARE(error.causeText(), QStringLiteral("nothing was refused"));
        return;
    }
    QCOMPARE(error.path(), QStringLiteral("/q.txt"));
    QCOMPARE(error.line(), openedOn);
    QVERIFY2(error.causeText().contains(QStringLiteral("%1 番目の問題の引用符").arg(question)),
             qPrintable(error.causeText()));
    QVERIFY(error.report().contains(QStringLiteral("%1 行目").arg(openedOn)));
}

void BadContentTest::answerFieldsQuotedReadably_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("100,000 digits") << QByteArray(100000, '1') << QString(40, QLatin1Char('1')) + QStringLiteral("…");
    QTest::newRow("binary bytes") << QByteArray("\x01\x02\x03", 3) << "<U+0001><U+0002><U+0003>";
    QTest::newRow("an invisible character after the number") << QByteArray("2\x1A") << "2<U+001A>";
    QTest::newRow("a letter") << QByteArray("x") << "x";
}

void BadContentTest::answerFieldsQuotedReadably()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, shown);
    const ContentError error = errorOf([&] {
        drill::parseQuestionBank(QStringLiteral("/q.txt"), thirtyQuestions(), QStringLiteral("/a.txt"),
                                 "\r\n" + thirtyLines(field));
    });
    QCOMPARE(error.path(), QStringLiteral("/a.txt"));
    QCOMPARE(error.line(), 2);
    QVERIFY2(error.causeText().contains(QStringLiteral("2 番目の項目「%1」").arg(shown)),
             qPrintable(error.causeText()));
    for (QChar c : error.report())
        QVERIFY2(c == QLatin1Char('\n') || c.category() != QChar::Other_Control, qPrintable(error.report()));
}

void BadContentTest::shownText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short, unchanged") << "電池 の 問題　1"
                                      << "電池 の 問題　1";
    QTest::newRow("40 characters, whole") << QString(40, QChar(0x96FB)) << QString(40, QChar(0x96FB));
    QTest::newRow("41 characters, cut") << QString(41, QChar(0x96FB)) << QString(40, QChar(0x96FB)) + "…";
    QTest::newRow("tab") << "a\tb"
                         << "a<U+0009>b";
    QTest::newRow("undecodable byte") << QStringLiteral("a\uFFFD") << "a<U+FFFD>";
    QTest::newRow("zero-width space") << QStringLiteral("a\u200Bb") << "a<U+200B>b";
    QTest::newRow("escape cut whole, never halved")
        << QString(35, QLatin1Char('a')) + "\x01" << QString(35, QLatin1Char('a')) + "…";
}

void BadContentTest::shownText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(content::shownText(text), shown);
}

void BadContentTest::failureBoxFitsTheScreen_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("answers");
    const QString deep =
        QStringLiteral("/home/先生") + QString(QStringLiteral("/とても長いフォルダーの名前")).repeated(200);
    QTest::newRow("ordinary") << "/opt/ulmaro/説明/ドリル/正解.txt" << thirtyLines("x");
    QTest::newRow("a path of 3000 characters") << deep + "/正解.txt" << thirtyLines("x");
    QTest::newRow("a first line of 100,000 characters")
        << "/opt/ulmaro/説明/ドリル/正解.txt" << thirtyLines(QByteArray(100000, '9'));
}

void BadContentTest::failureBoxFitsTheScreen()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, answers);
    const ContentError error =
        errorOf([&] { drill::parseQuestionBank(QStringLiteral("/q.txt"), thirtyQuestions(), path, answers); });
    QCOMPARE(error.path(), path);
    const auto box = app::makeFailureBox(error);
    box->show();
    QCoreApplication::processEvents();
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY2(screen.contains(box->frameGeometry()),
             qPrintable(QStringLiteral("%1×%2").arg(box->frameGeometry().width()).arg(box->frameGeometry().height())));
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    QVERIFY(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    QVERIFY(box->text().contains(QStringLiteral("正解.txt")));
}

QTEST_MAIN(BadContentTest)
#include "tst_badcontent.moc"
