// What a screen reader finds on every screen, read in-process through Qt's accessibility
// interfaces: roles, names and descriptions, the lines of the lists, what is left out, and the
// actions a reader performs instead of a click.
#include "support/reader.h"
#include "support/steps.h"
#include "support/testprogram.h"

#include "drill/drillscreen.h"
#include "ui/accessibility/reading.h"
#include "ui/controls/form.h"

#include <QApplication>
#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;
using ui::Screen;

namespace {

// Control names as the layouts write them: never what a reader hears.
const QRegularExpression kControlName(QStringLiteral("^(Command|Image|Label|List|Picture|Frame|Timer|MediaPlayer)\\d"));

const std::pair<const char*, ScreenId> kCells[] = {{"Voltaic", ScreenId::Volta},
                                                   {"Daniell", ScreenId::Daniell},
                                                   {"manganese", ScreenId::Manganese},
                                                   {"lead", ScreenId::Lead}};

QAccessibleInterface* accessibleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

Screen& reach(TestProgram& program, ScreenId id, const QStringList& steps)
{
    Screen& s = program.open(id);
    runSteps(s, steps);
    return s;
}

// What an action changed: which screen is up, which of its buttons, labels, lists and pages show
// and what they are called, and whether the program ended. Pictures and places are left out: the
// bubbles, the slide-ins and the animations run on real clocks of their own.
QStringList outcome(TestProgram& program)
{
    QStringList seen;
    for (ScreenId id : {ScreenId::Menu, ScreenId::Principle, ScreenId::Volta, ScreenId::Daniell, ScreenId::Manganese,
                        ScreenId::Lead, ScreenId::DrillStart, ScreenId::Drill}) {
        if (!program.program().isCreated(id) || !program.screen(id).isLoaded())
            continue;
        Screen& s = program.screen(id);
        seen << s.caption();
        for (const ui::ControlSpec& row : s.layout())
            if (row.kind != ui::Kind::Timer && row.kind != ui::Kind::Image && row.kind != ui::Kind::PictureBox) {
                const QWidget& c = s.control({row.name, row.index}).widget();
                seen << QStringLiteral("%1 %2 %3").arg(c.objectName()).arg(!c.isHidden()).arg(c.accessibleName());
            }
    }
    seen << QStringLiteral("exit %1").arg(program.exitCode().value_or(-1));
    return seen;
}

// The layout reference of a control found in the tree.
QString refOf(QAccessibleInterface* iface)
{
    auto* control = dynamic_cast<ui::Control*>(iface->object());
    if (!control)
        return {};
    const ui::ControlSpec& row = control->row();
    const QString name = ui::toQString(row.name);
    return row.index == ui::kNoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(row.index);
}

// The words drawn in a stored picture, in the order written, without spaces.
QString drawnWords(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(missing %1)").arg(resource);
    QXmlStreamReader xml(&file);
    QString words;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && (xml.name() == u"text" || depth > 0))
            ++depth;
        else if (xml.isEndElement() && depth > 0)
            --depth;
        else if (xml.isCharacters() && depth > 0)
            words += xml.text();
    }
    return words.remove(QRegularExpression(QStringLiteral("\\s")));
}

// A band's name written out as its picture draws it: small figures at full size, no bars or
// arrows (those are drawn as lines), no colon after the electrode's name.
QString asDrawn(QString name)
{
    const QString small = QStringLiteral("₀₁₂₃₄₅₆₇₈₉⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻");
    const QString plain = QStringLiteral("01234567890123456789+−");
    for (qsizetype i = 0; i < small.size(); ++i)
        name.replace(small[i], plain[i]);
    return name.remove(QRegularExpression(QStringLiteral("[\\s|→：]")));
}

// A drill whose first question (the scripted draw picks number 1) has the given choice lines.
struct DrillWithChoices {
    ContentFolder folder;
    std::unique_ptr<TestProgram> program;
    explicit DrillWithChoices(const QString& choices)
    {
        for (const char* file : {"\\説明\\ドリル\\問題.txt", "\\説明\\ドリル\\正解.txt"})
            folder.copyShipped(QString::fromUtf8(file));
        for (int n = 2; n <= 30; ++n)
            folder.copyShipped(QStringLiteral("\\説明\\ドリル\\選択肢\\a%1.txt").arg(n));
        folder.writeText(QStringLiteral("\\説明\\ドリル\\選択肢\\a1.txt"), choices);
        program = std::make_unique<TestProgram>(folder.path());
    }
};

// What a reader says of the focused object: its name, its description, and in a list the line
// that is current, each after " / ".
QString heardAtFocus()
{
    QWidget* widget = QApplication::focusWidget();
    if (!widget)
        return QStringLiteral("(no focus)");
    QAccessibleInterface* iface = accessibleOf(widget);
    QString heard = iface->text(QAccessible::Name) + QStringLiteral(" / ") + iface->text(QAccessible::Description);
    for (int i = 0; i < iface->childCount(); ++i)
        if (iface->child(i)->state().focused)
            heard += QStringLiteral(" / ") + iface->child(i)->text(QAccessible::Name);
    return heard;
}

Screen& shown(Screen& s)
{
    [&] { QVERIFY(s.isLoaded() && QTest::qWaitForWindowActive(s.window())); }();
    return s;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void screensReadInOrder_data();
    void screensReadInOrder();
    void everyObjectHasARoleAndAName_data();
    void everyObjectHasARoleAndAName();
    void picturesHaveShortNamesAndLongerDescriptions();
    void bandsAreNamedAsTheirPicturesRead_data();
    void bandsAreNamedAsTheirPicturesRead();
    void decorationsAndMovingPicturesAreLeftOut();
    void listLinesShowOnlyWhileOnTheScreen();
    void controlsUnderOthersAreNotShowing();
    void answerButtonsCarryTheirChoices_data();
    void answerButtonsCarryTheirChoices();
    void scoreAndMarkAreNamedAsTheQuizGoes();
    void switchesAreReportedWithTheirState();
    void actionsDoWhatAClickDoes_data();
    void actionsDoWhatAClickDoes();
    void textIsHeardWithoutLayoutSpaces_data();
    void textIsHeardWithoutLayoutSpaces();
    void listsAreReadBySentence_data();
    void listsAreReadBySentence();
    void theFocusSaysWhatChanged_data();
    void theFocusSaysWhatChanged();
};

void AccessibilityTest::screensReadInOrder_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("menu") << int(ScreenId::Menu) << QStringList{}
                          << QStringList{"frame メニュー",           "image 電池のしくみ",      "list メニュー",
                                         "list item 電池の原理",     "list item ボルタの電池",  "list item ダニエル電池",
                                         "list item マンガン乾電池", "list item 鉛蓄電池",      "list item 電池のドリル",
                                         "list item 終了",           "image 乾電池と豆電球の図"};
    // Titles first, then down the screen line by line, each line from the left.
    QTest::newRow("Voltaic cell, switch closed") << int(ScreenId::Volta) << QStringList{"Image13", "Timer2*1"}
                                                 << QStringList{"frame ボルタの電池",
                                                                "image ボルタの電池",
                                                                "label 起電力約1.1 V（はじめ）",
                                                                "push button メニュー",
                                                                "image ボルタの電池の図",
                                                                "image 点灯した豆電球",
                                                                "check box スイッチ",
                                                                "label 亜鉛板",
                                                                "label 銅板",
                                                                "label －",
                                                                "label ＋",
                                                                "push button 電子の流れ",
                                                                "label 希硫酸",
                                                                "push button 負極拡大",
                                                                "push button 正極拡大",
                                                                "image (−) Zn | H₂SO₄aq | Cu (+)"};
    QTest::newRow("drill start") << int(ScreenId::DrillStart) << QStringList{}
                                 << QStringList{"frame ドリルスタート", "image 電池のドリル",
                                                "list 説明、「電池のドリル」へようこそ！*準備ができたら「スタート」を押そう！",
                                                "push button スタート"};
}

void AccessibilityTest::screensReadInOrder()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    TestProgram program;
    Screen& s = reach(program, ScreenId(screen), steps);
    const QStringList heard = reading(s.window(), false);
    // Each entry a wildcard pattern: the words a screen gives a list can be long.
    bool same = heard.size() == expected.size();
    for (qsizetype i = 0; same && i < heard.size(); ++i)
        same = QRegularExpression::fromWildcard(expected[i], Qt::CaseSensitive).match(heard[i]).hasMatch();
    QVERIFY2(same, qPrintable(heard.join(QStringLiteral(", "))));
}

void AccessibilityTest::everyObjectHasARoleAndAName_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("menu") << int(ScreenId::Menu) << QStringList{};
    QTest::newRow("Voltaic, bubbles") << int(ScreenId::Volta) << QStringList{"Timer2*2"};
    for (const auto& [cell, lesson] : kCells) {
        QTest::addRow("%s open", cell) << int(lesson) << QStringList{};
        QTest::addRow("%s flowing", cell) << int(lesson) << QStringList{"Image13", "Command1", "Timer1*2"};
        QTest::addRow("%s enlarged", cell) << int(lesson) << QStringList{"Image13", "Command2"};
    }
    QTest::newRow("lead charging, enlarged")
        << int(ScreenId::Lead) << QStringList{"Image13", "Command6", "Timer1*2", "Command3"};
    QTest::newRow("principle page 1") << int(ScreenId::Principle) << QStringList{"Timer1*69"};
    QTest::newRow("principle table") << int(ScreenId::Principle)
                                     << QStringList{"Command2", "Command2", "Timer2*69", "Command4"};
    QTest::newRow("principle switch") << int(ScreenId::Principle) << QStringList{"Command2",  "Command2", "Command2",
                                                                                 "Timer2*69", "Picture4", "Timer3*3"};
    QTest::newRow("drill start") << int(ScreenId::DrillStart) << QStringList{};
    QTest::newRow("drill marked") << int(ScreenId::Drill) << QStringList{"Command1(2)"};
}

void AccessibilityTest::everyObjectHasARoleAndAName()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    TestProgram program;
    Screen& s = reach(program, ScreenId(screen), steps);
    QAccessibleInterface* window = accessibleOf(s.window());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), s.caption());
    for (QAccessibleInterface* iface : accessibleTree(s.window())) {
        const QString name = iface->text(QAccessible::Name);
        const QString what = roleName(iface->role()) + QLatin1Char(' ') + name + QLatin1Char(' ') + refOf(iface);
        QVERIFY2(iface->isValid(), qPrintable(what));
        QVERIFY2(iface->role() != QAccessible::Client, qPrintable(what));
        QVERIFY2(!kControlName.match(name).hasMatch(), qPrintable(what));
        // Blank lines of a text are read as blank; every other object says what it is.
        QVERIFY2(!name.isEmpty() || !isShowing(iface) || iface->role() == QAccessible::ListItem, qPrintable(what));
        QVERIFY2(iface->parent() && iface->parent()->indexOfChild(iface) >= 0, qPrintable(what));
    }
}

void AccessibilityTest::picturesHaveShortNamesAndLongerDescriptions()
{
    TestProgram program;
    Screen& volta = program.open(ScreenId::Volta);
    QAccessibleInterface* drawing = accessibleOf(&volta.image("Image1"));
    QCOMPARE(drawing->role(), QAccessible::Graphic);
    QCOMPARE(drawing->text(QAccessible::Name), QStringLiteral("ボルタの電池の図"));
    QVERIFY(drawing->text(QAccessible::Description).size() > 20);
    // Words that are the whole of a picture are its name, and are not read a second time.
    QAccessibleInterface* reaction = accessibleOf(&volta.image("Image15"));
    QCOMPARE(reaction->text(QAccessible::Name), QStringLiteral("Zn → Zn²⁺ + 2e⁻"));
    QCOMPARE(reaction->text(QAccessible::Description), QString());
    // A label is named by its caption alone; a button by the words on its face.
    QAccessibleInterface* plate = accessibleOf(&volta.label("Label1"));
    QCOMPARE(plate->role(), QAccessible::StaticText);
    QCOMPARE(plate->text(QAccessible::Name), QStringLiteral("亜鉛板"));
    QCOMPARE(plate->text(QAccessible::Description), QString());
    QCOMPARE(accessibleOf(&volta.button("Command4"))->text(QAccessible::Name), QStringLiteral("メニュー"));
}

void AccessibilityTest::bandsAreNamedAsTheirPicturesRead_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("band");
    for (const auto& [cell, id] : kCells)
        for (const char* band : {"Image14", "Image15", "Image16"})
            QTest::addRow("%s %s", cell, band) << int(id) << QString::fromLatin1(band);
}

void AccessibilityTest::bandsAreNamedAsTheirPicturesRead()
{
    QFETCH(int, screen);
    QFETCH(QString, band);
    TestProgram program;
    Screen& s = program.open(ScreenId(screen));
    const std::string name = band.toStdString();
    ui::Image& image = s.image(ui::ControlRef(std::string_view(name)));
    QCOMPARE(asDrawn(accessibleOf(&image)->text(QAccessible::Name)), drawnWords(image.picture().source()));
}

void AccessibilityTest::decorationsAndMovingPicturesAreLeftOut()
{
    TestProgram program;
    Screen& volta = reach(program, ScreenId::Volta, {"Image13", "Command1", "Timer1*1", "Timer2*1"});
    const QList<QAccessibleInterface*> tree = accessibleTree(volta.window());
    // On the screen and moving, yet no reader hears of them: the electrons, the ion streams and the
    // second column of bubbles.
    for (const char* moving : {"Image3", "Image4", "Image5", "Image6", "Image7", "Image9"}) {
        QVERIFY2(volta.image(moving).isVisible(), moving);
        QAccessibleInterface* iface = accessibleOf(&volta.image(moving));
        QVERIFY2(!iface->isValid() && !tree.contains(iface), moving);
    }
    // The list stands in the window itself, not in a wrapper of its own.
    QAccessibleInterface* list = findNamed(volta.window(), QStringLiteral("説明"));
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->parent()->object(), volta.window());

    TestProgram drill;
    Screen& quiz = drill.open(ScreenId::Drill);
    QVERIFY(!accessibleOf(&quiz.player("MediaPlayer1"))->isValid());

    TestProgram principle;
    Screen& page4 = reach(principle, ScreenId::Principle, {"Command2", "Command2", "Command2", "Picture4", "Timer3*2"});
    for (const char* strip : {"Picture7", "Picture8"}) {
        QVERIFY2(page4.container(strip).isVisible(), strip);
        QVERIFY2(!accessibleOf(&page4.container(strip))->isValid(), strip);
    }
}

void AccessibilityTest::listLinesShowOnlyWhileOnTheScreen()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    QAccessibleInterface* page1 = accessibleOf(&s.list("List1"));
    QCOMPARE(page1->text(QAccessible::Name), QStringLiteral("1 ページの説明"));
    QCOMPARE(page1->childCount(), s.list("List1").count());
    QVERIFY(page1->childCount() > 0);
    // The number of the list's lines that are showing; -1 if a child is no line.
    const auto showingLines = [](QAccessibleInterface* list) {
        int n = 0;
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->role() != QAccessible::ListItem)
                return -1;
            n += isShowing(list->child(i)) ? 1 : 0;
        }
        return n;
    };
    // Below the window's edge while the page rises; read once it has risen.
    QCOMPARE(showingLines(page1), 0);
    QVERIFY(!isShowing(page1));
    runSteps(s, {"Timer1*69"});
    // One line shows for each sentence, heading or formula; blank lines and those that go on
    // with a sentence do not.
    const auto sentences = [](Screen& screen, const char* list) {
        return int(ui::passagesOf(screen.list(list).items()).size());
    };
    QVERIFY(sentences(s, "List1") < page1->childCount());
    QCOMPARE(showingLines(page1), sentences(s, "List1"));
    QCOMPARE(page1->child(0)->text(QAccessible::Name), s.list("List1").items().first());
    // The page slides away under the next one: none of its lines is on the screen.
    runSteps(s, {"Command2"});
    QCOMPARE(showingLines(page1), 0);
    QAccessibleInterface* page2 = accessibleOf(&s.list("List2"));
    QCOMPARE(page2->text(QAccessible::Name), QStringLiteral("2 ページの説明"));
    runSteps(s, {"Timer2*69"});
    QVERIFY(showingLines(page2) > 0);

    // A hidden list: the lines it keeps are not showing.
    TestProgram lesson;
    Screen& volta = reach(lesson, ScreenId::Volta, {"Image13", "Command2"});
    QAccessibleInterface* explanation = accessibleOf(&volta.list("List1"));
    QCOMPARE(showingLines(explanation), sentences(volta, "List1"));
    runSteps(volta, {"Image13"});
    QVERIFY(explanation->childCount() > 0);
    QCOMPARE(showingLines(explanation), 0);
}

void AccessibilityTest::controlsUnderOthersAreNotShowing()
{
    TestProgram program;
    Screen& s = reach(program, ScreenId::Principle, {"Command2", "Command2", "Timer2*69"});
    QAccessibleInterface* page3 = accessibleOf(&s.list("List3"));
    QVERIFY(isShowing(page3));
    QVERIFY(isShowing(page3->child(0)));
    QVERIFY(isShowing(accessibleOf(&s.container("Picture2"))));
    // The table lies over the whole page: its text and picture are out of sight, its lines too.
    runSteps(s, {"Command4"});
    QVERIFY(!isShowing(page3));
    QVERIFY(!isShowing(page3->child(0)));
    QVERIFY(!isShowing(accessibleOf(&s.container("Picture2"))));
    QVERIFY(isShowing(accessibleOf(&s.container("Picture6"))));
    // A picture over the middle of a page's text leaves the rest of it to be read.
    runSteps(s, {"Command5", "Command2", "Timer2*69"});
    QVERIFY(isShowing(accessibleOf(&s.list("List4"))));
}

void AccessibilityTest::answerButtonsCarryTheirChoices_data()
{
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("numbered, blank lines between")
        << QStringLiteral("1 鉛\r\n\r\n2 亜鉛\r\n\r\n3 銅\r\n") << QStringList{"1 鉛", "2 亜鉛", "3 銅"};
    QTest::newRow("full-width numbers") << QStringLiteral("１．鉛\r\n２．亜鉛\r\n３．銅\r\n")
                                        << QStringList{"1 鉛", "2 亜鉛", "3 銅"};
    QTest::newRow("without numbers") << QStringLiteral("鉛\r\n亜鉛\r\n銅\r\n")
                                     << QStringList{"1 鉛", "2 亜鉛", "3 銅"};
    QTest::newRow("a choice missing") << QStringLiteral("1 鉛\r\n2 亜鉛\r\n") << QStringList{"1 鉛", "2 亜鉛", "3"};
}

void AccessibilityTest::answerButtonsCarryTheirChoices()
{
    QFETCH(QString, choices);
    QFETCH(QStringList, names);
    DrillWithChoices drill(choices);
    Screen& s = drill.program->open(ScreenId::Drill);
    QCOMPARE(static_cast<drill::DrillScreen&>(s).questionNumber(), qint16(1));
    QStringList heard;
    for (int k = 1; k <= 3; ++k) {
        QAccessibleInterface* iface = accessibleOf(&s.button({"Command1", k}));
        QCOMPARE(iface->role(), QAccessible::PushButton);
        heard << iface->text(QAccessible::Name);
    }
    QCOMPARE(heard, names);
    QAccessibleInterface* list = accessibleOf(&s.list("List1"));
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("選択肢"));
}

void AccessibilityTest::scoreAndMarkAreNamedAsTheQuizGoes()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Drill);
    auto& quiz = static_cast<drill::DrillScreen&>(s);
    QAccessibleInterface* score = accessibleOf(&s.label("Label2"));
    QAccessibleInterface* mark = accessibleOf(&s.image("Image5"));
    QVERIFY(!isShowing(score));  // nothing to read before the first answer

    const auto waitOut = [&] {
        for (int n = 0; n < 4 && s.timer("Timer1").isRunning(); ++n) {
            program.clock->now += 0.5;
            s.tick("Timer1");
        }
    };
    QVERIFY(s.click({"Command1", quiz.rightAnswer()}));
    QVERIFY(isShowing(mark));
    QCOMPARE(mark->role(), QAccessible::Graphic);
    QCOMPARE(mark->text(QAccessible::Name), QStringLiteral("正解"));
    waitOut();
    QVERIFY(isShowing(score));
    QCOMPARE(score->text(QAccessible::Name), QStringLiteral("得点 2 点"));

    QVERIFY(s.click({"Command1", quiz.rightAnswer() % 3 + 1}));
    QCOMPARE(mark->text(QAccessible::Name), QStringLiteral("不正解"));
    waitOut();
    QCOMPARE(score->text(QAccessible::Name), QStringLiteral("得点 1 点"));

    // The medal at 100 points: 50 right answers in a row from a fresh run.
    QVERIFY(s.click("Image2"));
    QVERIFY(!isShowing(score));
    for (int n = 0; n < 50; ++n) {
        QVERIFY(s.click({"Command1", quiz.rightAnswer()}));
        waitOut();
    }
    QCOMPARE(mark->text(QAccessible::Name), QStringLiteral("合格メダル"));
    QVERIFY(isShowing(mark));
    QCOMPARE(score->text(QAccessible::Name), QStringLiteral("得点 100 点"));

    // The halving notice is read by its caption.
    QCOMPARE(accessibleOf(&s.label("Label3"))->text(QAccessible::Name), QStringLiteral("得点が半分になります"));
}

void AccessibilityTest::switchesAreReportedWithTheirState()
{
    TestProgram program;
    Screen& volta = program.open(ScreenId::Volta);
    QAccessibleInterface* lessonSwitch = accessibleOf(&volta.image("Image13"));
    QCOMPARE(lessonSwitch->role(), QAccessible::CheckBox);
    QCOMPARE(lessonSwitch->text(QAccessible::Name), QStringLiteral("スイッチ"));
    QVERIFY(lessonSwitch->state().checkable);
    QVERIFY(!lessonSwitch->state().checked);
    QVERIFY(lessonSwitch->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    QVERIFY(press(lessonSwitch));
    QVERIFY(lessonSwitch->state().checked);
    QVERIFY(volta.label("Label7").isVisible());
    QVERIFY(press(lessonSwitch));
    QVERIFY(!lessonSwitch->state().checked);
    QVERIFY(!volta.label("Label7").isVisible());

    TestProgram principle;
    Screen& page4 = reach(principle, ScreenId::Principle, {"Command2", "Command2", "Command2", "Timer2*69"});
    QAccessibleInterface* pushSwitch = accessibleOf(&page4.container("Picture4"));
    QCOMPARE(pushSwitch->role(), QAccessible::PushButton);
    QCOMPARE(pushSwitch->text(QAccessible::Name), QStringLiteral("スイッチ"));
    QCOMPARE(pushSwitch->text(QAccessible::Description), QStringLiteral("スイッチ（押すと電流が流れます）"));

    TestProgram drill;
    Screen& quiz = drill.open(ScreenId::Drill);
    QAccessibleInterface* title = accessibleOf(&quiz.image("Image2"));
    QCOMPARE(title->role(), QAccessible::PushButton);
    QCOMPARE(title->text(QAccessible::Name), QStringLiteral("電池のドリル（最初からやり直す）"));
}

void AccessibilityTest::actionsDoWhatAClickDoes_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("menu") << int(ScreenId::Menu) << QStringList{};
    QTest::newRow("Voltaic, open") << int(ScreenId::Volta) << QStringList{};
    QTest::newRow("Voltaic, closed") << int(ScreenId::Volta) << QStringList{"Image13"};
    QTest::newRow("Daniell, flowing") << int(ScreenId::Daniell) << QStringList{"Image13", "Command1", "Timer1*2"};
    QTest::newRow("manganese, enlarged") << int(ScreenId::Manganese) << QStringList{"Image13", "Command2"};
    QTest::newRow("lead, closed") << int(ScreenId::Lead) << QStringList{"Image13"};
    QTest::newRow("principle page 1") << int(ScreenId::Principle) << QStringList{"Timer1*69"};
    QTest::newRow("principle page 3") << int(ScreenId::Principle) << QStringList{"Command2", "Command2", "Timer2*69"};
    QTest::newRow("principle table") << int(ScreenId::Principle)
                                     << QStringList{"Command2", "Command2", "Timer2*69", "Command4"};
    QTest::newRow("principle page 4") << int(ScreenId::Principle)
                                      << QStringList{"Command2", "Command2", "Command2", "Timer2*69"};
    QTest::newRow("drill start") << int(ScreenId::DrillStart) << QStringList{};
    QTest::newRow("drill") << int(ScreenId::Drill) << QStringList{};
}

void AccessibilityTest::actionsDoWhatAClickDoes()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QStringList pressable;
    {
        TestProgram program;
        Screen& s = reach(program, ScreenId(screen), steps);
        for (QAccessibleInterface* iface : accessibleTree(s.window())) {
            QAccessibleActionInterface* actions = iface->actionInterface();
            if (isShowing(iface) && actions
                && (actions->actionNames().contains(QAccessibleActionInterface::pressAction())))
                pressable << refOf(iface);
        }
    }
    QVERIFY(!pressable.isEmpty());
    for (const QString& ref : pressable) {
        TestProgram clicked;
        runSteps(reach(clicked, ScreenId(screen), steps), {ref});

        TestProgram pressed;
        Screen& s = reach(pressed, ScreenId(screen), steps);
        QWidget& control = s.control(WrittenRef(ref).ref()).widget();
        QVERIFY2(press(accessibleOf(&control)), qPrintable(ref));
        // Qt's buttons click a moment after they are pressed, shown pushed in meanwhile.
        if (QPointer<QAbstractButton> button = qobject_cast<QAbstractButton*>(&control))
            QTRY_VERIFY(!button || !button->isDown());  // gone with its window once clicked
        QCOMPARE(outcome(pressed), outcome(clicked));
    }
}

void AccessibilityTest::textIsHeardWithoutLayoutSpaces_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("heard");
    QTest::newRow("between two kanji") << QStringLiteral("銅　板") << QStringLiteral("銅板");
    QTest::newRow("after a number") << QStringLiteral("1　鉛") << QStringLiteral("1 鉛");
    QTest::newRow("score") << QStringLiteral("得点　2 点") << QStringLiteral("得点 2 点");
    QTest::newRow("indented formula") << QStringLiteral("　Zn → Zn2+ + 2e-") << QStringLiteral("Zn → Zn2+ + 2e-");
    QTest::newRow("before a latin unit") << QStringLiteral("亜鉛板　Zn") << QStringLiteral("亜鉛板 Zn");
    QTest::newRow("runs and ends") << QStringLiteral("  起電力　　約1.1 V  ") << QStringLiteral("起電力約1.1 V");
    QTest::newRow("a plain space stays") << QStringLiteral("MnO(OH) になる") << QStringLiteral("MnO(OH) になる");
}

void AccessibilityTest::textIsHeardWithoutLayoutSpaces()
{
    QFETCH(QString, shown);
    QFETCH(QString, heard);
    QCOMPARE(ui::spokenText(shown), heard);
}

void AccessibilityTest::listsAreReadBySentence_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("sentences");  // "first-last text"
    QTest::newRow("heading, sentences over lines, formula, blank")
        << QStringList{"【負極】亜鉛板　Zn", "亜鉛はイオン化傾向が", "銅より大きい金属です。", "　Zn → Zn2+ + 2e-",
                       "", "泡が出ます。亜鉛が", "直接反応します。"}
        << QStringList{"0-0 【負極】亜鉛板 Zn", "1-2 亜鉛はイオン化傾向が銅より大きい金属です。",
                       "3-3 Zn → Zn2+ + 2e-", "5-6 泡が出ます。亜鉛が直接反応します。"};
    QTest::newRow("numbered choices without blank lines")
        << QStringList{"１．鉛", "２．亜鉛", "3 銅"} << QStringList{"0-0 １．鉛", "1-1 ２．亜鉛", "2-2 3 銅"};
    QTest::newRow("a sentence cut by a blank line, a last line without a stop")
        << QStringList{"電子を", "", "", "受け取り", "2個"} << QStringList{"0-0 電子を", "3-4 受け取り2個"};
    QTest::newRow("only blank lines") << QStringList{"", "　", ""} << QStringList{};
}

void AccessibilityTest::listsAreReadBySentence()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, sentences);
    QStringList heard;
    for (const ui::Passage& p : ui::passagesOf(lines))
        heard << QStringLiteral("%1-%2 %3").arg(p.firstLine).arg(p.lastLine).arg(p.text);
    QCOMPARE(heard, sentences);
}

void AccessibilityTest::theFocusSaysWhatChanged_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("heard");  // heardAtFocus() as a wildcard pattern
    QTest::newRow("menu opens on its title") << int(ScreenId::Menu) << QStringList{} << "電池のしくみ / *";
    QTest::newRow("lesson opens on its title")
        << int(ScreenId::Volta) << QStringList{} << "ボルタの電池 / スイッチを押してください";
    QTest::newRow("Voltaic switch closed: at the lit bulb")
        << int(ScreenId::Volta) << QStringList{"Image13"}
        << "点灯した豆電球 / 回路がつながりました。豆電球が光り、起電力ははじめ約 1.1 V です。*押すと回路が切れます。";
    QTest::newRow("Voltaic switch opened: at the prompt") << int(ScreenId::Volta) << QStringList{"Image13", "Image13"}
                                           << "スイッチを押してください、回路が切れました。押すと回路がつながります。 / ";
    QTest::newRow("Daniell switch closed") << int(ScreenId::Daniell) << QStringList{"Image13"}
                                           << "点灯した豆電球 / 回路がつながりました。豆電球が光り、起電力は 1.1 V です。*";
    QTest::newRow("manganese switch closed") << int(ScreenId::Manganese) << QStringList{"Image13"}
                                             << "点灯した豆電球 / *起電力は 1.5 V です。*";
    QTest::newRow("lead switch closed") << int(ScreenId::Lead) << QStringList{"Image13"}
                                        << "点灯した豆電球 / *起電力は約 2.0 V です。*";
    QTest::newRow("Voltaic flow: at the reaction") << int(ScreenId::Volta) << QStringList{"Image13", "Command1"}
                                  << "Zn → Zn²⁺ + 2e⁻ / *亜鉛板から導線を通って銅板へ流れます。*";
    QTest::newRow("Daniell flow") << int(ScreenId::Daniell) << QStringList{"Image13", "Command1"}
                                  << "Zn → Zn²⁺ + 2e⁻ / *亜鉛板から導線を通って銅板へ流れます。*銅が析出します。*";
    QTest::newRow("manganese flow") << int(ScreenId::Manganese) << QStringList{"Image13", "Command1"}
                                    << "①負極：Zn → Zn²⁺ + 2e⁻ / *亜鉛筒から導線を通って炭素棒へ流れます。*MnO(OH)*";
    QTest::newRow("lead flow") << int(ScreenId::Lead) << QStringList{"Image13", "Command1"}
                               << "Pb + SO₄²⁻ → PbSO₄ + 2e⁻ / *鉛板から導線を通って酸化鉛(IV)板へ流れます。*";
    QTest::newRow("lead charging: at the source") << int(ScreenId::Lead) << QStringList{"Image13", "Command6"}
                                   << "つないだ電源 / 充電しています。*電子を酸化鉛(IV)板から導線を通して鉛板へ*";
    QTest::newRow("lead charging, then the flow")
        << int(ScreenId::Lead) << QStringList{"Image13", "Command6", "Command1"}
        << "PbSO₄ + 2e⁻ → Pb + SO₄²⁻ / 充電しています。*";
    QTest::newRow("lead charging stopped") << int(ScreenId::Lead) << QStringList{"Image13", "Command6", "Command6"}
                                           << "点灯した豆電球 / 充電をやめました。鉛板の鉛が*";
    QTest::newRow("close-up: its explanation from the first line")
        << int(ScreenId::Volta) << QStringList{"Image13", "Command2"} << "説明、負極の拡大図 /  / 【負極】亜鉛板 Zn";
    QTest::newRow("a view without explanation: its picture")
        << int(ScreenId::Manganese) << QStringList{"Image13", "Command5"} << "マンガン乾電池の内部 / マンガン乾電池の内部：*";
    QTest::newRow("principle: page 1 in place") << int(ScreenId::Principle) << QStringList{"Timer1*69"}
                                               << "1 ページの説明、1／4 ページ /  / 【電池とは】";
    QTest::newRow("page turned and in place") << int(ScreenId::Principle) << QStringList{"Command2", "Timer2*69"}
                                 << "2 ページの説明、2／4 ページ /  / 【原子・電子・イオン】";
    QTest::newRow("page still rising: the focus waits on 次ページ") << int(ScreenId::Principle) << QStringList{"Command2", "Timer2*68"}
                                 << "次ページ / ";
    QTest::newRow("last page") << int(ScreenId::Principle) << QStringList{"Command2", "Command2", "Command2", "Timer2*69"}
                               << "4 ページの説明、4／4 ページ /  / 【*】";
    QTest::newRow("principle switch animation")
        << int(ScreenId::Principle) << QStringList{"Command2", "Command2", "Command2", "Timer2*69", "Picture4"}
        << "押されたスイッチ / スイッチが入り、電流が流れます。*導線を通って金属Bへ流れます。*";
    QTest::newRow("table of reactivity") << int(ScreenId::Principle)
                                         << QStringList{"Command2", "Command2", "Timer2*69", "Command4"}
                                         << "金属の反応性の表 / 金属の反応性の表：*";
    QTest::newRow("drill start: its instructions")
        << int(ScreenId::DrillStart) << QStringList{} << "説明、「電池のドリル」へようこそ！*準備ができたら* / * / 「電池のドリル」へようこそ！";
    QTest::newRow("drill: the question and its choices")
        << int(ScreenId::Drill) << QStringList{} << "*。 1 ?*。2 ?*。3 ?*。 / ";
}

void AccessibilityTest::theFocusSaysWhatChanged()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QFETCH(QString, heard);
    TestProgram program;
    Screen& s = shown(program.open(ScreenId(screen)));
    runSteps(s, steps);
    const QString said = heardAtFocus();
    QVERIFY2(QRegularExpression::fromWildcard(heard, Qt::CaseSensitive).match(said).hasMatch(), qPrintable(said));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
