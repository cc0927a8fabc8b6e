#include "announcechange.h"

#include "ui/controls/cornermarks.h"

#include <QAccessible>

namespace ui {

void announceChange(QWidget* window, const QString& words)
{
    auto* marks = window ? window->findChild<CornerMarks*>() : nullptr;
    if (!marks)
        return;
    // The marks carry the words as their name; the same words twice are still said twice.
    if (marks->accessibleName() == words) {
        QAccessibleEvent renamed(marks, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    } else {
        marks->setAccessibleName(words);
    }
    QAccessibleEvent alert(marks, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace ui
