#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace testsupport {

// The accessible tree of a window as a screen reader walks it, read in-process.
QString roleName(QAccessible::Role role);
bool isShowing(QAccessibleInterface* iface);

// Every object under the window (the window first), depth first.
QList<QAccessibleInterface*> accessibleTree(QWidget* window);
// "role name" for each showing object, in the order a reader goes through them; list lines too
// when `withLines`.
QStringList reading(QWidget* window, bool withLines = true);
// The first object of the tree with that name, showing or not; nullptr when there is none.
QAccessibleInterface* findNamed(QWidget* window, const QString& name);
// Performs the object's Press action, or Toggle for a switch; false when it has neither.
bool press(QAccessibleInterface* iface);

}  // namespace testsupport
