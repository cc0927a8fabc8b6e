#include "picturefile.h"

#include "contenterror.h"
#include "contentfile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace content {
namespace {

bool fitsTheLimit(const QSize& size)
{
    return size.width() <= kPictureSideLimit && size.height() <= kPictureSideLimit;
}

// The picture a GIF's screen descriptor declares, which Qt decodes every frame into whatever the
// frame's own size; invalid for anything else.
QSize gifScreenSize(const QByteArray& bytes)
{
    if (bytes.size() < 10 || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return {};
    return QSize(qFromLittleEndian<quint16>(bytes.constData() + 6), qFromLittleEndian<quint16>(bytes.constData() + 8));
}

[[noreturn]] void tooLarge(const QString& path, const QSize& size)
{
    throw ContentError(path, ContentError::Cause::PictureTooLarge,
                       QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。%3 × %3 ピクセルまでにしてください。")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(kPictureSideLimit));
}

}  // namespace

QImage readPicture(const QString& path)
{
    QByteArray bytes = readContentFile(path, kPictureByteLimit);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kPictureAllocationLimitMiB);
    // Refused from the sizes its header gives, before any pixel is decoded.
    for (const QSize& declared : {gifScreenSize(bytes), reader.size()})
        if (declared.isValid() && !fitsTheLimit(declared))
            tooLarge(path, declared);
    QImage image = reader.read();  // the first frame of an animated GIF
    // A truncated GIF may still yield a frame from Qt; it must be whole to be used.
    if (image.isNull() || !bytes.endsWith(char(0x3B)))
        throw ContentError(path, ContentError::Cause::NotAPicture);
    if (!fitsTheLimit(image.size()))
        tooLarge(path, image.size());
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace content
