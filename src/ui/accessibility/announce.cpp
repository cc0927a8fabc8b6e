#include "announce.h"

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
    // A reader hears the focus arrive, not the focus staying: when `where` has it already, the
    // window takes it for a moment.
    if (where->hasFocus())
        where->clearFocus();
    where->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
