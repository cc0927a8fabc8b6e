#pragma once

class QRegion;
class QWidget;

namespace ui {

// The control a click at the centre of `widget` would reach instead of it (another control lying
// over it, or the window itself when the centre is outside it or nothing is there), or nullptr
// when the click reaches `widget` itself.
QWidget* coverOf(const QWidget& widget);

// The part of the widget that can be seen, in the window's coordinates: what its window and
// containers leave uncut and no other control lies over. Empty while it is hidden.
QRegion seenPart(const QWidget& widget);

// Whether nothing of the widget can be seen: other controls lie over all of it, or it lies
// outside its window or containers.
bool isBuried(const QWidget& widget);

// Whether Tab stops at the widget: shown, taking the focus from Tab, and with some part of it in
// sight, neither wholly under other controls nor wholly outside the window.
bool isTabStop(const QWidget& widget);

// Whether the widget may keep the keyboard focus where it is: shown, taking the focus at all
// (Tab, a click, or the program moving it there to be heard), and with some part in sight.
bool holdsFocus(const QWidget& widget);

// The program moved the focus to `moved` from the tab stop `origin` (or from none), so that a
// reader hears it: Tab from there goes on from `origin`.
void noteFocusOrigin(QWidget& moved, QWidget* origin);

// Tab and Shift+Tab inside a window: the next or previous tab stop in tab order, round the end.
// When the focused control has gone (hidden, or covered by another) the tab stop now at its place
// takes the focus first; from a control that is no tab stop, the round goes on from where the
// learner was before the program moved the focus, or starts afresh. False when the window has no tab stop.
bool moveFocus(QWidget& window, bool forward);

// After the screen changed: a focused control that can no longer hold the focus hands it on.
void keepFocusReachable(QWidget& window);

}  // namespace ui
