#include "picturefile.h"

#include "contenterror.h"
#include "textfile.h"

#include <QBuffer>
#include <QImageReader>

namespace content {

QImage readPicture(const QString& path)
{
    QByteArray bytes = readContentFile(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();  // the first frame of an animated GIF
    // A truncated GIF may still yield a frame from Qt; it must be whole to be used.
    if (image.isNull() || !bytes.endsWith(char(0x3B)))
        throw ContentError(path, ContentError::Cause::NotAPicture);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace content
