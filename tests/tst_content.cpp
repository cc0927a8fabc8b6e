// Content loading: paths from the application folder, Shift-JIS texts to lines, GIF pictures,
// and the one report that a failing content file gives.
#include "support/contentfolder.h"
#include "support/gifwriter.h"

#include "content/contenterror.h"
#include "content/contentpath.h"
#include "content/picturefile.h"
#include "content/textfile.h"

#include <QtTest>

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

void ContentTest::encodings_data()
{
    using content::TextEncoding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    const QString cell = QStringLiteral("電池の負極：亜鉛");
    QTest::newRow("Shift-JIS, not valid UTF-8") << encodeShiftJis(cell) << int(TextEncoding::ShiftJis) << cell;
    QTest::newRow("UTF-8") << cell.toUtf8() << int(TextEncoding::Utf8) << cell;
    QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + cell.toUtf8() << int(TextEncoding::Utf8) << cell;
    QTest::newRow("ASCII alone") << QByteArray("1\r\n2\r\n") << int(TextEncoding::ShiftJis) << "1\r\n2\r\n";
    QTest::newRow("UTF-8 but for one byte")
        << cell.toUtf8() + "\xFF" << int(TextEncoding::ShiftJis) << content::decodeShiftJis(cell.toUtf8() + "\xFF");
    // Two half-width katakana whose Shift-JIS bytes are also a UTF-8 letter: a real text is
    // never that short and never made of such pairs alone.
    QTest::newRow("Shift-JIS that is also UTF-8")
        << QByteArray("\xC3\xBD") << int(TextEncoding::Utf8) << QStringLiteral("\u00FD");
}

void ContentTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    const content::DecodedText decoded = content::decodeText(bytes);
    QCOMPARE(int(decoded.encoding), encoding);
    QCOMPARE(decoded.text, text);
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
