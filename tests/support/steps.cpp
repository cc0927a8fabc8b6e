#include "steps.h"

#include <QtTest>

namespace testsupport {

WrittenRef::WrittenRef(const QString& written)
{
    const qsizetype open = written.indexOf(QLatin1Char('('));
    name = written.left(open).toStdString();
    if (open >= 0)
        index = written.mid(open + 1).chopped(1).toInt();
}

void runSteps(ui::Screen& s, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype star = step.indexOf(QLatin1Char('*'));
        if (star >= 0) {
            const std::string timer = step.left(star).toStdString();
            for (int i = 0; i < step.mid(star + 1).toInt(); ++i)
                s.tick(timer);
            continue;
        }
        const WrittenRef written(step);
        QVERIFY2(s.click(written.ref()), qPrintable(step));
    }
}

}  // namespace testsupport
