#pragma once

class QString;
class QWidget;

namespace ui {

// Tells a screen reader at once of a change the user made on `window` that moves no focus
// (paused, a speed, muted): every such change is said through here.
void announceChange(QWidget* window, const QString& words);

}  // namespace ui
