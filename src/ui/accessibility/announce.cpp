#include "announce.h"

#include "ui/accessibility/reach.h"

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace ui {

void announce(QWidget* where, const QString& words)
{
    if (!where || !where->isVisible())
        return;
    if (where->focusPolicy() == Qt::NoFocus)
        where->setFocusPolicy(Qt::ClickFocus);
    where->setAccessibleDescription(words);
    // Only the window on show, once active, gives the place the learner was at.
    QWidget* origin = where->isActiveWindow() ? where->window()->focusWidget() : nullptr;
    if (origin != where)
        noteFocusOrigin(*where, origin);
    // A reader hears the focus arrive; when `where` has it already it says the words anew, which
    // readers do less surely, so screens choose a control the learner is not on.
    if (where->hasFocus()) {
        QAccessibleEvent event(where, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
        return;
    }
    where->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
