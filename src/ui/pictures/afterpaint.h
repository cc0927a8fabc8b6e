#pragma once

#include <functional>

class QObject;

namespace ui {

// Runs `work` once, when `watched` (a widget, or the application for any widget) next paints and
// that paint has reached the screen: for work the first picture should not wait for. A window
// wholly covered by its controls gets no paint of its own, so watch the application for a screen.
// Nothing runs if `context` goes first.
void runAfterFirstPaint(QObject* watched, QObject* context, std::function<void()> work);

}  // namespace ui
