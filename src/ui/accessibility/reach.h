#pragma once

class QWidget;

namespace ui {

// The control a click at the centre of `widget` would reach instead of it (another control lying
// over it, or the window itself when the centre is outside it or nothing is there), or nullptr
// when the click reaches `widget` itself.
QWidget* coverOf(const QWidget& widget);

// Whether another control lies over the whole of the widget, so nothing of it can be seen.
bool isBuried(const QWidget& widget);

// Whether Tab stops at the widget: shown, taking the focus from Tab, and reached by a click at its
// centre, so it is neither under another control nor outside the window.
bool isTabStop(const QWidget& widget);

// Tab and Shift+Tab inside a window: the next or previous tab stop in tab order, round the end.
// When the focused control has gone (hidden, or covered by another) the tab stop now at its place
// takes the focus first. False when the window has no tab stop.
bool moveFocus(QWidget& window, bool forward);

// After the screen changed: a focused control that is no longer a tab stop hands the focus on.
void keepFocusReachable(QWidget& window);

}  // namespace ui
