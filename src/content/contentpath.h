#pragma once

#include <QString>

namespace content {

// The program-wide application folder: the executable's folder without a trailing separator.
// Set once at start-up; every content path starts with it.
const QString& appPath();
void setAppPath(const QString& folder);

// The application folder as the executable's folder gives it: one trailing separator removed, so
// that a program at a root folder gets "" and its paths still have one separator.
QString appPathFromFolder(const QString& executableFolder);

// AppPath followed by a relative path written with "\" separators, as the screens write them.
QString contentPath(const QString& relative);

}  // namespace content
