#pragma once

#include "ui/screen/screen.h"

#include <QString>
#include <QStringList>

namespace testsupport {

// A control written as the layouts write it: "Command4" or "Command1(2)".
struct WrittenRef {
    std::string name;
    int index = ui::kNoIndex;
    explicit WrittenRef(const QString& written);
    ui::ControlRef ref() const { return {std::string_view(name), index}; }
};

// Steps to bring a screen into a state: a control's written name is a click on it (which must
// land), "Timer2*69" that many ticks of that timer.
void runSteps(ui::Screen& s, const QStringList& steps);

}  // namespace testsupport
