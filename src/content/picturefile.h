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
QImage readPicture(const QString& path, int sideLimit = kPictureSideLimit);

// Larger copies of a picture, drawn for screens shown at twice or three times the size, lie
// beside it with Qt's names: "e1@2x.gif" and "e1@3x.gif" beside "e1.gif".
inline constexpr int kLargerCopyFactors[] = {2, 3};
QString largerCopyPath(const QString& path, int factor);

// Whether `copy` is a larger copy of `base` at `factor`: its size is the base's times the factor
// (to a pixel of the base each way), and it is see-through where the base is, so it can stand in
// for the base wherever the base is shown larger.
bool hasSizeOfCopy(const QImage& base, const QImage& copy, int factor);
// The share (0 to 1) of the base's pixels whose transparency the copy keeps at their centres.
double transparencyKept(const QImage& base, const QImage& copy);
inline constexpr double kTransparencyKeptEnough = 0.95;  // edges may differ, drawn finer

struct LargerCopy {
    int factor;
    QImage image;
};
// The picture's larger copies that exist and fit it, read anew. A copy that exists but cannot be
// read raises ContentError as the picture itself would; one of another size or transparency is
// left out (ulmaro-check reports it).
QList<LargerCopy> readLargerCopies(const QString& path, const QImage& base);

}  // namespace content
