// The content shipped with the program: every text decodes and every line fits the list that
// shows it, every picture decodes at the size its screen expects, every sound is plain PCM.
#include "support/testprogram.h"

#include "content/contentpath.h"
#include "content/picturefile.h"
#include "content/textfile.h"
#include "drill/questionbank.h"

#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

using namespace testsupport;
using ui::ScreenId;

namespace {

QStringList shippedLines(const QString& relative)
{
    return content::readLines(content::contentPath(relative));
}

// Lines wider than the list's inside would be cut at its right edge.
QStringList tooWide(ui::ListBox& list, const QStringList& lines)
{
    const QListWidget* view = &list;
    const QFontMetrics metrics(view->font());
    const int room = view->viewport()->width() - 2;  // the rows indent their text by 2 px
    QStringList faults;
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(line) > room)
            faults << QStringLiteral("%1 (%2 px > %3 px)").arg(line).arg(metrics.horizontalAdvance(line)).arg(room);
    return faults;
}

// Lines written where a picture or button of the page lies over the list would be hidden from
// the learner.
QStringList hiddenUnderPictures(ui::ListBox& list)
{
    QListWidget* view = &list;
    QWidget* page = list.parentWidget();
    const QFontMetrics metrics(view->font());
    QStringList faults;
    for (QObject* child : page->children()) {
        auto* cover = qobject_cast<QWidget*>(child);
        if (!cover || cover == view || !cover->isVisibleTo(page))
            continue;
        for (int row = 0; row < view->count(); ++row) {
            const QString text = view->item(row)->text();
            const QRect rowRect = view->visualItemRect(view->item(row));
            const QRect inked(view->viewport()->mapTo(page, rowRect.topLeft() + QPoint(2, 0)),
                              QSize(metrics.horizontalAdvance(text), rowRect.height()));
            if (!text.isEmpty() && inked.intersects(cover->geometry()))
                faults << QStringLiteral("line %1 under %2: %3").arg(row + 1).arg(cover->objectName(), text);
        }
    }
    return faults;
}

}  // namespace

class ShippedContentTest : public QObject {
    Q_OBJECT
private slots:
    void lessonTextsFitWithoutScrolling_data();
    void lessonTextsFitWithoutScrolling();
    void principlePagesFitTheirLists();
    void drillTextsFit();
    void eachQuestionIsOneLine();
    void rightAnswersSpreadEvenlyOverTheButtons();
    void framesDecodeAtTheirSizes_data();
    void framesDecodeAtTheirSizes();
    void soundsArePcmWaves();
};

void ShippedContentTest::lessonTextsFitWithoutScrolling_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    const struct { ScreenId id; const char* folder; bool porous; } cells[] = {
        {ScreenId::Volta, "ボルタ", false}, {ScreenId::Daniell, "ダニエル", true},
        {ScreenId::Manganese, "マンガン", false}, {ScreenId::Lead, "鉛蓄電池", false}};
    for (const auto& cell : cells) {
        const QString folder = QString::fromUtf8(cell.folder);
        QTest::addRow("%s 負極", cell.folder) << int(cell.id) << "Command2" << "\\説明\\" + folder + "\\負極.txt";
        QTest::addRow("%s 正極", cell.folder) << int(cell.id) << "Command3" << "\\説明\\" + folder + "\\正極.txt";
        if (cell.porous)
            QTest::addRow("%s 素焼き板", cell.folder) << int(cell.id) << "Command5" << "\\説明\\" + folder + "\\素焼き板.txt";
    }
}

void ShippedContentTest::lessonTextsFitWithoutScrolling()
{
    QFETCH(int, screen);
    QFETCH(QString, button);
    QFETCH(QString, file);
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    s.click("Image13");
    s.click(button.toLatin1().constData());
    TestProgram::settle();
    ui::ListBox& list = s.list("List1");
    QCOMPARE(list.items(), shippedLines(file));
    QVERIFY(!list.items().isEmpty());
    const QStringList faults = tooWide(list, list.items());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(list.verticalScrollBar()->maximum(), 0);
}

void ShippedContentTest::principlePagesFitTheirLists()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Principle);
    for (int page = 1; page <= 4; ++page) {
        if (page > 1)
            s.click("Command2");
        TestProgram::settle();
        ui::ListBox& list = s.list(QStringLiteral("List%1").arg(page).toLatin1().constData());
        QVERIFY2(list.count() > 0, qPrintable(QStringLiteral("page %1 is empty").arg(page)));
        const QStringList faults = tooWide(list, list.items()) + hiddenUnderPictures(list);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
}

void ShippedContentTest::drillTextsFit()
{
    TestProgram test;
    ui::Screen& start = test.open(ScreenId::DrillStart);
    TestProgram::settle();
    QStringList faults = tooWide(start.list("List1"), start.list("List1").items());
    QCOMPARE(start.list("List1").verticalScrollBar()->maximum(), 0);

    ui::Screen& quiz = test.open(ScreenId::Drill);
    TestProgram::settle();
    ui::ListBox& choices = quiz.list("List1");
    ui::Label& question = quiz.label("Label1");
    const QFontMetrics questionMetrics(question.font());
    const drill::QuestionBank bank = drill::readQuestionBank();
    for (int n = 1; n <= drill::kQuestionCount; ++n) {
        const QStringList lines = shippedLines(drill::choiceFile(n));
        QVERIFY2(lines.size() >= 3, qPrintable(drill::choiceFile(n)));
        faults << tooWide(choices, lines);
        if (questionMetrics.horizontalAdvance(bank.text[n]) > question.width())
            faults << bank.text[n];
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A question with an unquoted comma, or a blank line, would shift every later question away from
// its answer and its choices.
void ShippedContentTest::eachQuestionIsOneLine()
{
    content::setAppPath(TestProgram::shippedContent());
    QStringList lines = shippedLines(QString::fromUtf8(drill::kQuestionsFile));
    QCOMPARE(lines.size(), drill::kQuestionCount);
    const drill::QuestionBank bank = drill::readQuestionBank();
    for (int n = 1; n <= drill::kQuestionCount; ++n) {
        QString line = lines[n - 1];
        if (line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"')))
            line = line.mid(1, line.size() - 2);
        QCOMPARE(bank.text[n], line);
    }
}

// A learner who always presses one button should not do better than chance.
void ShippedContentTest::rightAnswersSpreadEvenlyOverTheButtons()
{
    content::setAppPath(TestProgram::shippedContent());
    const drill::QuestionBank bank = drill::readQuestionBank();
    int perButton[4] = {};
    for (int n = 1; n <= drill::kQuestionCount; ++n) {
        QVERIFY2(bank.answer[n] >= 1 && bank.answer[n] <= 3, qPrintable(QString::number(n)));
        ++perButton[bank.answer[n]];
    }
    QCOMPARE(perButton[1], drill::kQuestionCount / 3);
    QCOMPARE(perButton[2], drill::kQuestionCount / 3);
    QCOMPARE(perButton[3], drill::kQuestionCount / 3);
}

void ShippedContentTest::framesDecodeAtTheirSizes_data()
{
    // Lesson frames and marks lie over drawings and must let them show through; the principle
    // screen's strips fill picture boxes of their own colour and must paint all of it.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opaque");
    const QString anime = QStringLiteral("\\画像\\アニメ\\");
    for (int n = 1; n <= 3; ++n) {
        for (const char* prefix : {"zn_", "so4_x"})
            QTest::addRow("%s%d", prefix, n) << anime + prefix + QString::number(n) + ".gif" << QSize(21, 203) << false;
        for (const char* prefix : {"h_", "cu_", "so4_"})
            QTest::addRow("%s%d", prefix, n) << anime + prefix + QString::number(n) + ".gif" << QSize(23, 201) << false;
    }
    for (int n = 1; n <= 9; ++n) {
        QTest::addRow("g%d", n) << anime + "g" + QString::number(n) + ".gif" << QSize(9, 97) << true;
        QTest::addRow("e%d", n) << anime + "e" + QString::number(n) + ".gif" << QSize(9, 17) << true;
    }
    QTest::newRow("awa1") << anime + "awa1.gif" << QSize(9, 215) << false;
    QTest::newRow("awa2") << anime + "awa2.gif" << QSize(9, 215) << false;
    for (const char* name : {"maru", "batu", "gmedal"})
        QTest::addRow("%s", name) << QStringLiteral("\\画像\\") + name + ".gif" << QSize(211, 207) << false;
}

void ShippedContentTest::framesDecodeAtTheirSizes()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);
    content::setAppPath(TestProgram::shippedContent());
    const QImage image = content::readPicture(content::contentPath(file)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);
    int clear = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            clear += qAlpha(image.pixel(x, y)) == 0;
    if (opaque)
        QCOMPARE(clear, 0);
    else
        QVERIFY(clear > 0);
}

void ShippedContentTest::soundsArePcmWaves()
{
    for (const char* name : {"o", "x", "pan", "dame", "gokaku"}) {
        QFile file(TestProgram::shippedContent() + QStringLiteral("/音/%1.wav").arg(QLatin1String(name)));
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        const QByteArray header = file.read(44);
        QVERIFY(header.startsWith("RIFF") && header.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(quint8(header[20]), quint8(1));   // PCM
        QCOMPARE(quint8(header[34]), quint8(16));  // bits per sample
    }
}

QTEST_MAIN(ShippedContentTest)
#include "tst_shippedcontent.moc"
