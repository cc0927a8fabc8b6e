// The content shipped with the program, as the lessons show it. Whether every text fits its list,
// every picture has its size and every sound plays is the content checker's work, run over the
// shipped content by CTest.
#include "support/testprogram.h"

#include "content/contentpath.h"
#include "content/picturefile.h"
#include "content/textfile.h"
#include "drill/questionbank.h"
#include "ui/controls/listbox.h"
#include "ui/layout/twips.h"

#include <QtTest>

using namespace testsupport;
using app::ScreenId;

namespace {

QStringList shippedLines(const QString& relative)
{
    return content::readLines(content::contentPath(relative));
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

// A picture box's size in pixels, as its screen's layout gives it.
QSize stripSize(const ui::Screen& screen, std::string_view name)
{
    for (const ui::ControlSpec& row : screen.layout())
        if (row.name == name)
            return {ui::twipsToPixels(row.width), ui::twipsToPixels(row.height)};
    return {};
}

}  // namespace

class ShippedContentTest : public QObject {
    Q_OBJECT
private slots:
    void enlargementsShowTheirExplanations_data();
    void enlargementsShowTheirExplanations();
    void principlePagesLieClearOfPictures();
    void eachQuestionIsOneLine();
    void rightAnswersSpreadEvenlyOverTheButtons();
    void framesLetTheDrawingShowThrough_data();
    void framesLetTheDrawingShowThrough();
};

void ShippedContentTest::enlargementsShowTheirExplanations_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    const struct {
        ScreenId id;
        const char* folder;
        bool porous;
    } cells[] = {{ScreenId::Volta, "ボルタ", false},
                 {ScreenId::Daniell, "ダニエル", true},
                 {ScreenId::Manganese, "マンガン", false},
                 {ScreenId::Lead, "鉛蓄電池", false}};
    for (const auto& cell : cells) {
        const QString folder = QString::fromUtf8(cell.folder);
        QTest::addRow("%s 負極", cell.folder) << int(cell.id) << "Command2"
                                              << "\\説明\\" + folder + "\\負極.txt";
        QTest::addRow("%s 正極", cell.folder) << int(cell.id) << "Command3"
                                              << "\\説明\\" + folder + "\\正極.txt";
        if (cell.porous)
            QTest::addRow("%s 素焼き板", cell.folder) << int(cell.id) << "Command5"
                                                      << "\\説明\\" + folder + "\\素焼き板.txt";
    }
}

void ShippedContentTest::enlargementsShowTheirExplanations()
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
    QVERIFY(!list.items().isEmpty());
    QCOMPARE(list.items(), content::readLines(content::contentPath(file)));
}

void ShippedContentTest::principlePagesLieClearOfPictures()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Principle);
    for (int page = 1; page <= 4; ++page) {
        if (page > 1)
            s.click("Command2");
        TestProgram::settle();
        ui::ListBox& list = s.list(QStringLiteral("List%1").arg(page).toLatin1().constData());
        QVERIFY2(list.count() > 0, qPrintable(QStringLiteral("page %1 is empty").arg(page)));
        const QStringList faults = hiddenUnderPictures(list);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
}

// A question with an unquoted comma, or a blank line, would shift every later question away from
// its answer and its choices.
void ShippedContentTest::eachQuestionIsOneLine()
{
    content::setAppPath(testsupport::shippedContent());
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
    content::setAppPath(testsupport::shippedContent());
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

void ShippedContentTest::framesLetTheDrawingShowThrough_data()
{
    // Lesson frames and marks lie over drawings and must let them show through; the principle
    // screen's strips fill picture boxes of their own colour and must paint all of it. Their
    // larger copies, drawn for large screens, must do the same at twice and three times the size.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opaque");
    const auto picture = [](const QString& folder, const QString& name, QSize size, bool opaque) {
        QTest::newRow(qPrintable(name)) << folder + name + ".gif" << size << opaque;
        for (int factor : content::kLargerCopyFactors) {
            const QString copy = name + QStringLiteral("@%1x").arg(factor);
            QTest::newRow(qPrintable(copy)) << folder + copy + ".gif" << size * factor << opaque;
        }
    };
    const QString anime = QStringLiteral("\\画像\\アニメ\\");
    for (int n = 1; n <= 3; ++n) {
        for (const char* prefix : {"zn_", "so4_x"})
            picture(anime, prefix + QString::number(n), QSize(21, 203), false);
        for (const char* prefix : {"h_", "cu_", "so4_"})
            picture(anime, prefix + QString::number(n), QSize(23, 201), false);
    }
    // The principle's strips are as large as the stretch of the drawing their frames repeat.
    TestProgram program;
    const QSize ionStrip = stripSize(program.screen(ScreenId::Principle), "Picture7");
    const QSize electronStrip = stripSize(program.screen(ScreenId::Principle), "Picture8");
    for (int n = 1; n <= 9; ++n) {
        picture(anime, "g" + QString::number(n), ionStrip, true);
        picture(anime, "e" + QString::number(n), electronStrip, true);
    }
    picture(anime, "awa1", QSize(9, 215), false);
    picture(anime, "awa2", QSize(9, 215), false);
    for (const char* name : {"maru", "batu", "gmedal"})
        picture(QStringLiteral("\\画像\\"), name, QSize(211, 207), false);
}

void ShippedContentTest::framesLetTheDrawingShowThrough()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);
    content::setAppPath(testsupport::shippedContent());
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

QTEST_MAIN(ShippedContentTest)
#include "tst_shippedcontent.moc"
