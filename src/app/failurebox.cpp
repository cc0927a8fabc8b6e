#include "failurebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace app {

void FailureBox::report(const content::ContentError& error)
{
    const QString text = error.report();
    std::fprintf(stderr, "ulmaro: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    makeFailureBox(error)->exec();
    QCoreApplication::exit(content::kContentFailureExitCode);
}

std::unique_ptr<QMessageBox> makeFailureBox(const content::ContentError& error)
{
    // The box grows as tall as its text, and a path offers no place to break a line: it breaks
    // after each separator (a zero-width space there), and a very long one keeps only its two
    // ends, so the box and its OK button always fit the screen. The full path goes to stderr.
    constexpr int kLongestShownPath = 240;
    QString path = error.path();
    if (path.size() > kLongestShownPath)
        path = path.left(kLongestShownPath / 2) + QStringLiteral("…") + path.right(kLongestShownPath / 2);
    path.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    const content::ContentError shown(path, error.cause(), error.causeText(), error.line());
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Ulmaro"), shown.report(), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);  // a quoted field may hold "<" and ">"
    return box;
}

}  // namespace app
