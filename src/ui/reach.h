#pragma once

class QWidget;

namespace ui {

// The control a click at the centre of `widget` would reach instead of it (another control lying
// over it, or nothing when the centre is outside the window), or nullptr when the click reaches
// `widget` itself.
QWidget* coverOf(const QWidget& widget);

// Whether another control lies over the whole of the widget, so nothing of it can be seen.
bool isBuried(const QWidget& widget);

}  // namespace ui
