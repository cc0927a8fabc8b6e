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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ulmaro"), text, QMessageBox::Ok);
    box.exec();
    QCoreApplication::exit(content::kContentFailureExitCode);
}

}  // namespace app
