// The content shipped with the program, as the lessons show it. Whether every text fits its list,
// every picture has its size and every sound plays is the content checker's work, run over the
// shipped content by CTest.
#include "support/testprogram.h"

#include "content/contentpath.h"
#include "content/textfile.h"

#include <QtTest>

using namespace testsupport;
using ui::ScreenId;

class ShippedContentTest : public QObject {
    Q_OBJECT
private slots:
    void enlargementsShowTheirExplanations_data();
    void enlargementsShowTheirExplanations();
};

void ShippedContentTest::enlargementsShowTheirExplanations_data()
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

QTEST_MAIN(ShippedContentTest)
#include "tst_shippedcontent.moc"
