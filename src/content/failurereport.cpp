#include "failurereport.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace content {
namespace {

void showAndEnd(const ContentError& error)
{
    const QString text = error.report();
    std::fprintf(stderr, "ulmaro: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ulmaro"), text, QMessageBox::Ok);
    box.exec();
    QCoreApplication::exit(kContentFailureExitCode);
}

FailureReporter& reporter()
{
    static FailureReporter instance = showAndEnd;
    return instance;
}

}  // namespace

void setFailureReporter(FailureReporter newReporter)
{
    reporter() = newReporter ? std::move(newReporter) : FailureReporter(showAndEnd);
}

void reportFailure(const ContentError& error)
{
    reporter()(error);
}

void runGuarded(const std::function<void()>& handler)
{
    // While a failure is being reported the program is ending: clocks that still tick behind
    // the message box must not read more files, nor report again.
    static bool reporting = false;
    if (reporting)
        return;
    // Nested dispatches (a click that shows a screen which loads) report once, at the outermost.
    static int depth = 0;
    struct Level {
        Level() { ++depth; }
        ~Level() { --depth; }
    };
    try {
        Level level;
        handler();
    } catch (const ContentError& error) {
        if (depth > 0)
            throw;
        reporting = true;
        reportFailure(error);
        reporting = false;
    }
}

}  // namespace content
