#pragma once

class QApplication;

namespace app {

// What the program sets up before its first screen: its name, its icon (given once the first
// window has painted), the content folders beside the executable, and that the program, not the
// last closed window, decides when it ends.
void setUpApplication(QApplication& application);

}  // namespace app
