#include "failurereport.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace content {
namespace {

void showAndEnd(const ContentError& error)
{
    std::fprintf(stderr, "ulmaro: %s\n", qPrintable(error.report().replace(QLatin1Char('\n'), QLatin1Char(' '))));
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    makeFailureBox(error)->exec();
    QCoreApplication::exit(kContentFailureExitCode);
}

FailureReporter& reporter()
{
    static FailureReporter instance = showAndEnd;
    return instance;
}

}  // namespace

std::unique_ptr<QMessageBox> makeFailureBox(const ContentError& error)
{
    // The box grows as tall as its text, and a path offers no place to break a line: it breaks
    // after each separator (a zero-width space there), and a very long one keeps only its two
    // ends, so the box and its OK button always fit the screen. The full path goes to stderr.
    constexpr int kLongestShownPath = 240;
    QString path = error.path();
    if (path.size() > kLongestShownPath)
        path = path.left(kLongestShownPath / 2) + QStringLiteral("…") + path.right(kLongestShownPath / 2);
    path.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    const ContentError shown(path, error.cause(), error.causeText(), error.line());
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Ulmaro"), shown.report(),
                                             QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);  // a quoted field may hold "<" and ">"
    return box;
}

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
