#include "picturefile.h"

#include "contenterror.h"
#include "contentfile.h"

#include <QBuffer>
#include <QImageReader>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace content {
namespace {

bool fitsTheLimit(const QSize& size, int sideLimit)
{
    return size.width() <= sideLimit && size.height() <= sideLimit;
}

// The picture a GIF's screen descriptor declares, which Qt decodes every frame into whatever the
// frame's own size; invalid for anything else.
QSize gifScreenSize(const QByteArray& bytes)
{
    if (bytes.size() < 10 || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return {};
    return QSize(qFromLittleEndian<quint16>(bytes.constData() + 6), qFromLittleEndian<quint16>(bytes.constData() + 8));
}

[[noreturn]] void tooLarge(const QString& path, const QSize& size, int sideLimit)
{
    throw ContentError(path, ContentError::Cause::PictureTooLarge,
                       QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。%3 × %3 ピクセルまでにしてください。")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(sideLimit));
}

}  // namespace

QImage readPicture(const QString& path, int sideLimit)
{
    QByteArray bytes = readContentFile(path, kPictureByteLimit);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(std::max(kPictureAllocationLimitMiB,
                                       int(qint64(sideLimit) * sideLimit * 4 / (1 << 20))));
    // Refused from the sizes its header gives, before any pixel is decoded.
    for (const QSize& declared : {gifScreenSize(bytes), reader.size()})
        if (declared.isValid() && !fitsTheLimit(declared, sideLimit))
            tooLarge(path, declared, sideLimit);
    QImage image = reader.read();  // the first frame of an animated GIF
    // A truncated GIF may still yield a frame from Qt; it must be whole to be used.
    if (image.isNull() || !bytes.endsWith(char(0x3B)))
        throw ContentError(path, ContentError::Cause::NotAPicture);
    if (!fitsTheLimit(image.size(), sideLimit))
        tooLarge(path, image.size(), sideLimit);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString largerCopyPath(const QString& path, int factor)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype end = dot > slash ? dot : path.size();
    return path.left(end) + QStringLiteral("@%1x").arg(factor) + path.mid(end);
}

bool hasSizeOfCopy(const QImage& base, const QImage& copy, int factor)
{
    return std::abs(copy.width() - base.width() * factor) < factor
        && std::abs(copy.height() - base.height() * factor) < factor;
}

double transparencyKept(const QImage& base, const QImage& copy)
{
    if (base.isNull() || copy.isNull())
        return 0;
    qint64 kept = 0;
    for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x) {
            const int cx = std::min(copy.width() - 1, int((x + 0.5) * copy.width() / base.width()));
            const int cy = std::min(copy.height() - 1, int((y + 0.5) * copy.height() / base.height()));
            kept += (qAlpha(base.pixel(x, y)) == 0) == (qAlpha(copy.pixel(cx, cy)) == 0) ? 1 : 0;
        }
    return double(kept) / (qint64(base.width()) * base.height());
}

QList<LargerCopy> readLargerCopies(const QString& path, const QImage& base)
{
    QList<LargerCopy> copies;
    for (int factor : kLargerCopyFactors) {
        const QString copyPath = largerCopyPath(path, factor);
        if (!QFileInfo(copyPath).isFile())
            continue;
        QImage copy = readPicture(copyPath, kPictureSideLimit * factor);
        if (hasSizeOfCopy(base, copy, factor) && transparencyKept(base, copy) >= kTransparencyKeptEnough)
            copies.append({factor, std::move(copy)});
    }
    return copies;
}

}  // namespace content
