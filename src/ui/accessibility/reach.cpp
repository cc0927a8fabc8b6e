#include "reach.h"

#include "ui/controls/control.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace ui {
namespace {

// The last time the program moved the focus to be heard: where to, and from which tab stop.
struct FocusMove {
    QPointer<QWidget> moved;
    QPointer<QWidget> origin;
};
FocusMove& lastMove()
{
    static FocusMove move;
    return move;
}

int tabIndexOf(const QWidget* widget)
{
    const auto* control = dynamic_cast<const Control*>(widget);
    return control ? control->row().content.tabIndex : 0;
}

// The tab stop a round of Tab ends at (Shift+Tab: begins at), so that the next one starts it.
QWidget* roundEnd(QWidget& window, bool forward)
{
    QWidget* end = nullptr;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (window.isAncestorOf(w) && isTabStop(*w)
            && (!end || (forward ? tabIndexOf(w) >= tabIndexOf(end) : tabIndexOf(w) < tabIndexOf(end))))
            end = w;
    return end;
}

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

QRegion seenPart(const QWidget& widget)
{
    const QWidget* window = widget.window();
    if (&widget == window)
        return QRegion(widget.rect());
    if (!widget.isVisible())
        return {};
    QRegion seen(QRect(widget.mapTo(window, QPoint(0, 0)), widget.size()));
    // At each level up to the window: cut to the container, less every shown control stacked
    // above (later among its siblings), since each takes the clicks and hides what lies beneath.
    for (const QWidget* w = &widget; w != window; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        seen &= QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
            auto* above = qobject_cast<QWidget*>(siblings[i]);
            if (above && !above->isWindow() && !above->isHidden())
                seen -= QRect(above->mapTo(window, QPoint(0, 0)), above->size());
        }
        if (seen.isEmpty())
            break;
    }
    return seen;
}

bool isBuried(const QWidget& widget)
{
    return !widget.isWindow() && seenPart(widget).isEmpty();
}

bool isTabStop(const QWidget& widget)
{
    return !widget.isWindow() && widget.isVisible() && widget.isEnabled() && !widget.focusProxy()
        && (widget.focusPolicy() & Qt::TabFocus) && !isBuried(widget);
}

bool holdsFocus(const QWidget& widget)
{
    return !widget.isWindow() && widget.isVisible() && widget.isEnabled() && widget.focusPolicy() != Qt::NoFocus
        && !isBuried(widget);
}

void noteFocusOrigin(QWidget& moved, QWidget* origin)
{
    lastMove() = {&moved, origin};
}

bool moveFocus(QWidget& window, bool forward)
{
    const Qt::FocusReason reason = forward ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    QWidget* current = window.focusWidget();
    QWidget* start = current ? current : &window;
    if (current && !isTabStop(*current)) {
        const FocusMove& move = lastMove();
        if (!holdsFocus(*current)) {
            if (QWidget* there = tabStopAt(window, centreIn(window, *current))) {
                there->setFocus(reason);
                return true;
            }
        } else if (move.moved == current && move.origin && move.origin->window() == &window
                   && isTabStop(*move.origin)) {
            // Moved here to be heard: Tab goes on from the tab stop the learner was at, and
            // Shift+Tab goes back to it.
            if (!forward) {
                move.origin->setFocus(reason);
                return true;
            }
            start = move.origin;
        } else {
            // A title or a text the screen opened on: Tab starts the round.
            if (QWidget* end = roundEnd(window, forward))
                start = end;
        }
    }
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
    if (current && !holdsFocus(*current))
        moveFocus(window, true);
}

}  // namespace ui
