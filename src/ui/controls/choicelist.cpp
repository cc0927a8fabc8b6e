#include "choicelist.h"

#include <QKeyEvent>

#include <algorithm>

namespace ui {

ChoiceList::ChoiceList(QString name, const std::vector<QAbstractButton*>& buttons, QWidget* container)
    : QObject(container), m_name(std::move(name))
{
    for (QAbstractButton* button : buttons) {
        m_buttons.emplace_back(button);
        button->installEventFilter(this);
    }
}

std::vector<QAbstractButton*> ChoiceList::buttons() const
{
    std::vector<QAbstractButton*> alive;
    for (const QPointer<QAbstractButton>& button : m_buttons)
        if (button)
            alive.push_back(button);
    return alive;
}

ChoiceList* ChoiceList::holding(const QWidget* button)
{
    if (!button || !button->parent())
        return nullptr;
    for (auto* list : button->parent()->findChildren<ChoiceList*>(Qt::FindDirectChildrenOnly)) {
        const auto members = list->buttons();
        if (std::find(members.begin(), members.end(), button) != members.end())
            return list;
    }
    return nullptr;
}

bool ChoiceList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    // Only the choices that can be reached: a hidden or disabled button is passed over.
    std::vector<QAbstractButton*> reachable;
    for (QAbstractButton* button : buttons())
        if (button->isVisible() && button->isEnabled())
            reachable.push_back(button);
    const auto here = std::find(reachable.begin(), reachable.end(), watched);
    if (here == reachable.end())
        return false;
    QAbstractButton* target = nullptr;
    switch (key->key()) {
    case Qt::Key_Up: target = here == reachable.begin() ? *here : *(here - 1); break;
    case Qt::Key_Down: target = here + 1 == reachable.end() ? *here : *(here + 1); break;
    case Qt::Key_Home: target = reachable.front(); break;
    case Qt::Key_End: target = reachable.back(); break;
    default: return false;
    }
    // At either end the focus stays, as a list stays on its last row.
    if (target != *here)
        target->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace ui
