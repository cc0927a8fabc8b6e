#include "reach.h"

#include <QWidget>

namespace ui {

QWidget* coverOf(const QWidget& widget)
{
    QWidget* window = widget.window();
    if (&widget == window)
        return nullptr;
    const QPoint centre = widget.mapTo(window, widget.rect().center());
    QWidget* found = window->childAt(centre);
    if (!found)
        return window;  // the centre lies beyond the window's edge, or nothing is there
    for (QWidget* w = found; w && w != window; w = w->parentWidget())
        if (w == &widget)
            return nullptr;
    return found;
}

bool isBuried(const QWidget& widget)
{
    QWidget* cover = coverOf(widget);
    if (!cover || cover == widget.window())
        return false;
    QWidget* window = widget.window();
    const QRect whole(widget.mapTo(window, QPoint(0, 0)), widget.size());
    // The covering control and its containers, up to the one the two share.
    for (QWidget* w = cover; w && !w->isAncestorOf(&widget); w = w->parentWidget())
        if (QRect(w->mapTo(window, QPoint(0, 0)), w->size()).contains(whole))
            return true;
    return false;
}

}  // namespace ui
