#include "reach.h"

#include <QWidget>

namespace ui {
namespace {

QPoint centreIn(const QWidget& window, const QWidget& widget)
{
    return widget.mapTo(&window, widget.rect().center());
}

// The tab stop a click at `point` of the window reaches: the widget there or one holding it.
QWidget* tabStopAt(QWidget& window, QPoint point)
{
    for (QWidget* w = window.childAt(point); w && w != &window; w = w->parentWidget())
        if (isTabStop(*w))
            return w;
    return nullptr;
}

}  // namespace

QWidget* coverOf(const QWidget& widget)
{
    QWidget* window = widget.window();
    if (&widget == window)
        return nullptr;
    QWidget* found = window->childAt(centreIn(*window, widget));
    if (!found)
        return window;
    if (found == &widget || widget.isAncestorOf(found))
        return nullptr;
    return found;
}

bool isBuried(const QWidget& widget)
{
    QWidget* cover = coverOf(widget);
    QWidget* window = widget.window();
    if (!cover || cover == window)
        return false;
    const QRect whole(widget.mapTo(window, QPoint(0, 0)), widget.size());
    // The covering control and its containers, up to the one the two share.
    for (QWidget* w = cover; w && !w->isAncestorOf(&widget); w = w->parentWidget())
        if (QRect(w->mapTo(window, QPoint(0, 0)), w->size()).contains(whole))
            return true;
    return false;
}

bool isTabStop(const QWidget& widget)
{
    return !widget.isWindow() && widget.isVisible() && widget.isEnabled() && !widget.focusProxy()
        && (widget.focusPolicy() & Qt::TabFocus) && !coverOf(widget);
}

bool moveFocus(QWidget& window, bool forward)
{
    QWidget* current = window.focusWidget();
    if (current && !isTabStop(*current)) {
        if (QWidget* there = tabStopAt(window, centreIn(window, *current))) {
            there->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    QWidget* start = current ? current : &window;
    QWidget* w = start;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != &window && window.isAncestorOf(w) && isTabStop(*w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w && w != start);
    return false;
}

void keepFocusReachable(QWidget& window)
{
    QWidget* current = window.focusWidget();
    if (current && !isTabStop(*current))
        moveFocus(window, true);
}

}  // namespace ui
