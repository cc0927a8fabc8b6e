#pragma once

#include <QImage>
#include <QString>

namespace content {

// The first frame of a GIF file, transparency kept. Read anew at every call: nothing is cached.
// A missing or unreadable file, or one that does not decode, raises ContentError.
QImage readPicture(const QString& path);

}  // namespace content
