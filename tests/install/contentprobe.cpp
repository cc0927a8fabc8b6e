// A Qt input plugin that the install test loads into the installed, unchanged program
// (QT_PLUGIN_PATH, QT_QPA_GENERIC_PLUGINS=ulmarocontentprobe). Once the menu is up it presses
// Space on the first button (Tab from the title the menu opens on), as a learner would, and prints the rows of every
// list then on screen, one "row<TAB>text" line each, before ending the program:
//   window<TAB>電池の原理
//   row<TAB>first line of 説明/原理/p1.txt ...
// That shows which content folder the program read, without giving the program an option. A
// failure report the program puts up instead is printed ("report<TAB>text") and closed, so the
// program ends with its failure status rather than waiting for a click.
#include <QApplication>
#include <QGenericPlugin>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Turns of 20 ms the probe waits at most for the menu to take the focus (about 10 s).
constexpr int kFocusTurns = 500;
constexpr int kTurnMs = 20;

void printLine(const QString& kind, const QString& text)
{
    const QByteArray line = (kind + QLatin1Char('\t') + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

class ContentProbe : public QObject {
public:
    ContentProbe()
    {
        QTimer::singleShot(0, this, &ContentProbe::pressFocusedButton);
        // Ticks inside the report's own event loop too.
        connect(&m_reportWatch, &QTimer::timeout, this, &ContentProbe::closeFailureReport);
        m_reportWatch.start(kTurnMs);
    }

private:
    void pressFocusedButton()
    {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) {
            if (++m_turns < kFocusTurns) {
                QTimer::singleShot(kTurnMs, this, &ContentProbe::pressFocusedButton);
                return;
            }
            printLine(QStringLiteral("failure"), QStringLiteral("no control took the keyboard focus"));
            QCoreApplication::exit(3);
            return;
        }
        // The menu opens on its title, which Tab leaves for the first button.
        if (!(focused->focusPolicy() & Qt::TabFocus)) {
            QTest::keyClick(focused, Qt::Key_Tab);
            focused = QApplication::focusWidget();
        }
        printLine(QStringLiteral("pressed"), focused->accessibleName());
        QTest::keyClick(focused, Qt::Key_Space);
        QTimer::singleShot(0, this, &ContentProbe::printListsAndEnd);
    }

    void closeFailureReport()
    {
        auto* report = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!report)
            return;
        printLine(QStringLiteral("report"), report->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        report->done(QMessageBox::Ok);
    }

    void printListsAndEnd()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            printLine(QStringLiteral("window"), window->windowTitle());
            for (const QListWidget* list : window->findChildren<QListWidget*>())
                for (int row = 0; row < list->count(); ++row)
                    printLine(QStringLiteral("row"), list->item(row)->text());
        }
        QCoreApplication::exit(0);
    }

    QTimer m_reportWatch;
    int m_turns = 0;
};

}  // namespace

class ContentProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "contentprobe.json")

public:
    QObject* create(const QString&, const QString&) override { return new ContentProbe; }
};

#include "contentprobe.moc"
