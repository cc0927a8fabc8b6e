#include "reader.h"

#include <QWidget>

namespace testsupport {

QString roleName(QAccessible::Role role)
{
    // The words AT-SPI uses for the roles the program has.
    switch (role) {
    case QAccessible::Window: return QStringLiteral("frame");
    case QAccessible::Client: return QStringLiteral("filler");
    case QAccessible::Graphic: return QStringLiteral("image");
    case QAccessible::StaticText: return QStringLiteral("label");
    case QAccessible::PushButton: return QStringLiteral("push button");
    case QAccessible::CheckBox: return QStringLiteral("check box");
    case QAccessible::List: return QStringLiteral("list");
    case QAccessible::ListItem: return QStringLiteral("list item");
    case QAccessible::Pane: return QStringLiteral("panel");
    default: return QStringLiteral("role %1").arg(int(role));
    }
}

bool isShowing(QAccessibleInterface* iface)
{
    const QAccessible::State state = iface->state();
    return !state.invisible && !state.offscreen;
}

namespace {
void collect(QAccessibleInterface* iface, QList<QAccessibleInterface*>& into)
{
    into << iface;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            collect(child, into);
}
}  // namespace

QList<QAccessibleInterface*> accessibleTree(QWidget* window)
{
    QList<QAccessibleInterface*> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    return all;
}

QStringList reading(QWidget* window, bool withLines)
{
    QStringList lines;
    for (QAccessibleInterface* iface : accessibleTree(window)) {
        // A text's lines have no object of their own; a list's choices are buttons.
        if (!isShowing(iface) || (!withLines && iface->role() == QAccessible::ListItem && !iface->object()))
            continue;
        lines << roleName(iface->role()) + QLatin1Char(' ') + iface->text(QAccessible::Name);
    }
    return lines;
}

QAccessibleInterface* findNamed(QWidget* window, const QString& name)
{
    for (QAccessibleInterface* iface : accessibleTree(window))
        if (iface->text(QAccessible::Name) == name)
            return iface;
    return nullptr;
}

bool press(QAccessibleInterface* iface)
{
    QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
    if (!actions)
        return false;
    const QStringList names = actions->actionNames();
    for (const QString& action :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()})
        if (names.contains(action)) {
            actions->doAction(action);
            return true;
        }
    return false;
}

}  // namespace testsupport
