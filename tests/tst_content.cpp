// Content loading: paths from the application folder, Shift-JIS texts to lines, GIF pictures,
// and the one report that a failing content file gives.
#include "support/contentfolder.h"
#include "support/gifwriter.h"

#include "content/contenterror.h"
#include "content/contentpath.h"
#include "content/picturefile.h"
#include "content/textfile.h"

#include <QtTest>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

using content::ContentError;
using namespace testsupport;

class ContentTest : public QObject {
    Q_OBJECT
private slots:
    void appPathDropsOneTrailingSeparator_data();
    void appPathDropsOneTrailingSeparator();
    void contentPathHasExactlyOneSeparatorPerStep();

    void lineEnds_data();
    void lineEnds();
    void codePage932Characters();
    void encodings_data();
    void encodings();
    void missingAndUnreadableTexts();
    void forbiddenTextNamedAsSuch();

    void firstFrameOfAnimatedGif();
    void transparencyKept();
    void brokenPictures_data();
    void brokenPictures();
};

void ContentTest::appPathDropsOneTrailingSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("appPath");
    QTest::newRow("ordinary folder") << "/opt/ulmaro"
                                     << "/opt/ulmaro";
    QTest::newRow("root folder") << "/"
                                 << "";
    QTest::newRow("trailing separator") << "/opt/ulmaro/"
                                        << "/opt/ulmaro";
}

void ContentTest::appPathDropsOneTrailingSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, appPath);
    QCOMPARE(content::appPathFromFolder(folder), appPath);
}

void ContentTest::contentPathHasExactlyOneSeparatorPerStep()
{
    content::setAppPath(content::appPathFromFolder(QStringLiteral("/")));
    QCOMPARE(content::contentPath(QStringLiteral("\\説明\\ボルタ\\負極.txt")), QStringLiteral("/説明/ボルタ/負極.txt"));
    content::setAppPath(QStringLiteral("/opt/ulmaro"));
    QCOMPARE(content::contentPath(QStringLiteral("\\画像\\アニメ\\zn_1.gif")),
             QStringLiteral("/opt/ulmaro/画像/アニメ/zn_1.gif"));
}

void ContentTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF from a Linux editor") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no end at the end") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
}

void ContentTest::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(content::decodeLines(bytes), lines);
}

void ContentTest::codePage932Characters()
{
    // ① (NEC special), ～ (FF5E), － (FF0D), half-width kana, 髙 (IBM extension).
    const QByteArray bytes("\x87\x40\x81\x60\x81\x7C\xB1\xB2\xFB\xFC\r\n", 11);
    QCOMPARE(content::decodeLines(bytes), QStringList{QStringLiteral("①～－ｱｲ髙")});
}

namespace {

// A text's flaws as "kind line:column", front to back.
QStringList flawsOf(const content::DecodedText& decoded)
{
    QStringList flaws;
    for (const content::TextFlawPlace& place : decoded.flaws) {
        const char* kind = place.flaw == content::TextFlaw::Nul ? "NUL"
            : place.flaw == content::TextFlaw::Cut              ? "cut"
                                                                : "undecodable";
        flaws << QStringLiteral("%1 %2:%3").arg(QLatin1String(kind)).arg(place.line).arg(place.column);
    }
    return flaws;
}

}  // namespace

void ContentTest::encodings_data()
{
    using content::TextEncoding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("flaws");
    const QString cell = QStringLiteral("電池の負極：亜鉛");
    const QString lost = QStringLiteral("\uFFFD");
    QTest::newRow("Shift-JIS, not valid UTF-8")
        << encodeShiftJis(cell) << int(TextEncoding::ShiftJis) << cell << QStringList{};
    QTest::newRow("UTF-8") << cell.toUtf8() << int(TextEncoding::Utf8) << cell << QStringList{};
    QTest::newRow("UTF-8 with a byte-order mark")
        << "\xEF\xBB\xBF" + cell.toUtf8() << int(TextEncoding::Utf8) << cell << QStringList{};
    QTest::newRow("ASCII alone") << QByteArray("1\r\n2\r\n") << int(TextEncoding::ShiftJis) << "1\r\n2\r\n"
                                 << QStringList{};
    const QString misread = content::decodeShiftJis(cell.toUtf8() + "\xFF");
    QTest::newRow("UTF-8 but for one byte")
        << cell.toUtf8() + "\xFF" << int(TextEncoding::ShiftJis) << misread
        << QStringList{QStringLiteral("undecodable 1:%1").arg(misread.indexOf(QChar(QChar::ReplacementCharacter)) + 1)};
    // Two half-width katakana whose Shift-JIS bytes are also a UTF-8 letter: a real text is
    // never that short and never made of such pairs alone.
    QTest::newRow("Shift-JIS that is also UTF-8")
        << QByteArray("\xC3\xBD") << int(TextEncoding::Utf8) << QStringLiteral("\u00FD") << QStringList{};

    const QString twoLines = cell + QStringLiteral("\r\n二行目\r\n");
    QTest::newRow("UTF-16 little endian, as Notepad saves \"Unicode\"")
        << encodeUtf16(twoLines, QStringConverter::Utf16LE) << int(TextEncoding::Utf16) << twoLines << QStringList{};
    QTest::newRow("UTF-16 big endian") << encodeUtf16(twoLines, QStringConverter::Utf16BE) << int(TextEncoding::Utf16)
                                       << twoLines << QStringList{};
    QTest::newRow("UTF-16 with a NUL") << encodeUtf16(QStringLiteral("a\r\nb") + QChar(0) + "c",
                                                      QStringConverter::Utf16LE)
                                       << int(TextEncoding::Utf16) << "a\r\nb" + lost + "c" << QStringList{"NUL 2:2"};
    QTest::newRow("UTF-16 cut in the middle of a character")
        << encodeUtf16(cell, QStringConverter::Utf16LE).chopped(1) << int(TextEncoding::Utf16) << cell.chopped(1) + lost
        << QStringList{"cut 1:8"};
    const QString emoji = QStringLiteral("電\U0001F50B");
    QTest::newRow("UTF-16 cut between the halves of a character")
        << encodeUtf16(emoji, QStringConverter::Utf16BE).chopped(2) << int(TextEncoding::Utf16) << "電" + lost
        << QStringList{"cut 1:2"};
    QTest::newRow("UTF-16 with half a character inside")
        << encodeUtf16(emoji + "a" + emoji, QStringConverter::Utf16LE).remove(6, 2) << int(TextEncoding::Utf16)
        << "電" + lost + "a" + emoji << QStringList{"undecodable 1:2"};
    QTest::newRow("UTF-8 byte-order mark, then a byte that is not UTF-8") << "\xEF\xBB\xBF" + cell.toUtf8()
            + "\x81" << int(TextEncoding::Utf8) << cell + lost << QStringList{"undecodable 1:9"};
    QTest::newRow("half-width katakana, UTF-8 but for the last byte")
        << QByteArray("\xC3\xBD\xC4") << int(TextEncoding::ShiftJis) << QStringLiteral("ﾃｽﾄ") << QStringList{};
    QTest::newRow("UTF-8 cut in the middle of a character")
        << cell.toUtf8().chopped(1) << int(TextEncoding::Utf8) << cell.chopped(1) + lost << QStringList{"cut 1:8"};
    QTest::newRow("Shift-JIS cut in the middle of a two-byte character")
        << encodeShiftJis(twoLines + cell).chopped(1) << int(TextEncoding::ShiftJis)
        << twoLines + cell.chopped(1) + lost << QStringList{"cut 3:8"};
    QTest::newRow("Shift-JIS with NULs") << QByteArray("\0a\r\n\0\0", 6) << int(TextEncoding::ShiftJis)
                                         << lost + "a\r\n" + lost + lost << QStringList{"NUL 1:1", "NUL 2:1"};
    QTest::newRow("Shift-JIS with bytes that are no character")
        << QByteArray("a\x85\x40\xFD\r\n\x82\r\n") << int(TextEncoding::ShiftJis)
        << "a" + lost + lost + "\r\n" + lost + "\r\n"
        << QStringList{"undecodable 1:2", "undecodable 2:1"};
}

void ContentTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QFETCH(QStringList, flaws);
    const content::DecodedText decoded = content::decodeText(bytes);
    QCOMPARE(int(decoded.encoding), encoding);
    QCOMPARE(decoded.text, text);
    QCOMPARE(flawsOf(decoded), flaws);
    QCOMPARE(content::decodeLines(bytes), content::splitLines(text));
}

void ContentTest::missingAndUnreadableTexts()
{
    ContentFolder folder;
    folder.writeText(QStringLiteral("\\説明\\a.txt"), QStringLiteral("一\r\n"));
    try {
        content::readLines(folder.path() + QStringLiteral("/説明/none.txt"));
        QFAIL("a missing text was read");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::NotFound);
        QCOMPARE(error.path(), folder.path() + QStringLiteral("/説明/none.txt"));
        QVERIFY(error.report().contains(error.path()));
        QVERIFY(error.report().contains(QStringLiteral("見つかりません")));
    }
    try {
        content::readLines(folder.path() + QStringLiteral("/説明"));
        QFAIL("a folder was read as a text");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::Folder);
        QVERIFY(error.report().contains(QStringLiteral("フォルダーです")));
    }
}

namespace {

// How a read ended, as the exit code of a child that tried it.
enum ReadOutcome { ForbiddenNamed, RefusedOtherwise, WasRead, CannotBecomeNobody, ChildLost };

int readOutcome(const QString& path)
{
    try {
        content::readContentFile(path);
        return WasRead;
    } catch (const ContentError& error) {
        const bool named = error.cause() == ContentError::Cause::Unreadable
            && error.report().contains(QStringLiteral("読み取りが許されていません"));
        return named ? ForbiddenNamed : RefusedOtherwise;
    }
}

// Root is never refused a read, so a child becomes nobody (65534) to try it.
int readOutcomeAsNobody(const QString& path)
{
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr gid_t kNoGroup = 65534;
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0)
            ::_exit(CannotBecomeNobody);
        ::_exit(readOutcome(path));  // nothing of the test's own to tidy up in the child
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return ChildLost;
    return WEXITSTATUS(status);
}

}  // namespace

void ContentTest::forbiddenTextNamedAsSuch()
{
    ContentFolder folder;
    folder.writeText(QStringLiteral("\\説明\\a.txt"), QStringLiteral("一\r\n"));
    const QString path = folder.path() + QStringLiteral("/説明/a.txt");
    constexpr auto kOpen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
        | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(folder.path(), kOpen));
    QVERIFY(QFile::setPermissions(folder.path() + QStringLiteral("/説明"), kOpen));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    int outcome = ChildLost;
    if (::geteuid() == 0) {
        outcome = readOutcomeAsNobody(path);
        if (outcome == CannotBecomeNobody)
            QSKIP("running as root, whom no read is refused, and a child could not become nobody (65534)");
    } else {
        outcome = readOutcome(path);
        if (outcome == WasRead)
            QSKIP("this user may read a file without read permission, so no read can be refused here");
    }
    QCOMPARE(outcome, int(ForbiddenNamed));
}

void ContentTest::firstFrameOfAnimatedGif()
{
    ContentFolder folder;
    const GifFrame red{2, 2, {0, 0, 0, 0}};
    const GifFrame blue{2, 2, {1, 1, 1, 1}};
    folder.writeBytes(QStringLiteral("\\two.gif"), writeGif({Qt::red, Qt::blue}, {red, blue}));
    const QImage image = content::readPicture(folder.path() + QStringLiteral("/two.gif"));
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));
}

void ContentTest::transparencyKept()
{
    ContentFolder folder;
    const GifFrame frame{3, 1, {0, 1, 0}};
    folder.writeBytes(QStringLiteral("\\t.gif"), writeGif({Qt::white, Qt::green}, {frame}, 0));
    const QImage image = content::readPicture(folder.path() + QStringLiteral("/t.gif"));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(1, 0), QColor(Qt::green));
}

void ContentTest::brokenPictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cause");
    const QByteArray whole = solidGif(20, 20, Qt::red);
    QTest::newRow("truncated") << whole.left(whole.size() / 2) << int(ContentError::Cause::NotAPicture);
    // Qt still decodes a frame from these two; a picture must be whole to be used.
    QTest::newRow("without its trailer byte") << whole.chopped(1) << int(ContentError::Cause::NotAPicture);
    const GifFrame red{4, 4, QVector<quint8>(16, 0)};
    const QByteArray two = writeGif({Qt::red, Qt::blue}, {red, red});
    QTest::newRow("second frame cut short") << two.chopped(10) << int(ContentError::Cause::NotAPicture);
    QTest::newRow("a text named .gif") << encodeShiftJis(QStringLiteral("画像ではありません\r\n"))
                                       << int(ContentError::Cause::NotAPicture);
    QTest::newRow("empty") << QByteArray() << int(ContentError::Cause::NotAPicture);
}

void ContentTest::brokenPictures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, cause);
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\bad.gif"), bytes);
    const QString path = folder.path() + QStringLiteral("/bad.gif");
    try {
        content::readPicture(path);
        QFAIL("a broken picture was accepted");
    } catch (const ContentError& error) {
        QCOMPARE(int(error.cause()), cause);
        QCOMPARE(error.path(), path);
    }
    try {
        content::readPicture(path + QStringLiteral(".missing"));
        QFAIL("a missing picture was accepted");
    } catch (const ContentError& error) {
        QCOMPARE(error.cause(), ContentError::Cause::NotFound);
    }
}

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
