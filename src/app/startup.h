#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QApplication;

namespace ui {
struct ViewSettings;
}

namespace app {

// What the program sets up before its first screen: its name, its icon (given once the first
// window has painted), the content folders beside the executable, and that the program, not the
// last closed window, decides when it ends.
void setUpApplication(QApplication& application);

// The command line: how the windows open (--fullscreen, --zoom PERCENT), or --help / --version.
// Returns the exit status when the program should end at once (after the help, the version, or
// a wrong option, which is reported on standard error), or nothing to go on.
std::optional<int> applyOptions(const QStringList& arguments, ui::ViewSettings& view);

}  // namespace app
