#pragma once

#include <QImage>
#include <QString>

namespace content {

// The largest picture a screen can use, in pixels each way: far beyond the 766 × 478 px window,
// and small enough that decoding it never holds up a clock.
inline constexpr int kPictureSideLimit = 2048;
// What the decoder may allocate for one picture: the largest allowed one at 32 bits a pixel.
inline constexpr int kPictureAllocationLimitMiB = kPictureSideLimit * kPictureSideLimit * 4 / (1 << 20);

// The first frame of a GIF file, transparency kept. Read anew at every call: nothing is cached.
// A missing or unreadable file, one that does not decode, or one larger than the limits raises
// ContentError.
QImage readPicture(const QString& path);

}  // namespace content
