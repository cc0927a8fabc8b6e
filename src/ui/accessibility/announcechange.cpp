#include "announcechange.h"

#include "ui/accessibility/announce.h"
#include "ui/controls/cornermarks.h"

#include <QAccessible>

namespace ui {

void announceChange(QWidget* window, const QString& words)
{
    auto* marks = window ? window->findChild<CornerMarks*>() : nullptr;
    if (!marks)
        return;
    // The marks keep the last change as their name, for a reader that looks at them later.
    if (marks->accessibleName() == words) {
        QAccessibleEvent renamed(marks, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    } else {
        marks->setAccessibleName(words);
    }
    // Spoken where the change shows: on the marks, their name the change and their description
    // all they show; or, when the change took the last mark away (再開, 消音を解除 at normal
    // speed), on the window itself. A reader speaks only a focus that moves, so a change made
    // while the marks hold the focus from the last one is said on the window too.
    if (marks->isVisible() && !marks->hasFocus())
        announce(marks, marks->accessibleDescription());
    else
        announce(window, words);
}

}  // namespace ui
