#include "gifwriter.h"

namespace testsupport {
namespace {

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Codes of 9 bits for 8-bit pixels; a clear code every 254 pixels keeps the width at 9 bits.
QByteArray lzwUncompressed(const QVector<quint8>& pixels)
{
    const int clear = 256, end = 257;
    QByteArray bytes;
    quint32 buffer = 0;
    int bits = 0;
    auto putCode = [&](int code) {
        buffer |= quint32(code) << bits;
        bits += 9;
        while (bits >= 8) {
            bytes.append(char(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    };
    putCode(clear);
    for (int i = 0; i < pixels.size(); ++i) {
        if (i > 0 && i % 254 == 0)
            putCode(clear);
        putCode(pixels[i]);
    }
    putCode(end);
    if (bits > 0)
        bytes.append(char(buffer & 0xFF));
    return bytes;
}

}  // namespace

QByteArray writeGif(const QList<QColor>& palette, const QList<GifFrame>& frames, int transparentIndex)
{
    QByteArray out("GIF89a");
    const int width = frames.isEmpty() ? 1 : frames.first().width;
    const int height = frames.isEmpty() ? 1 : frames.first().height;
    put16(out, width);
    put16(out, height);
    out.append(char(0xF7));  // global colour table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QColor c = i < palette.size() ? palette[i] : QColor(Qt::black);
        out.append(char(c.red()));
        out.append(char(c.green()));
        out.append(char(c.blue()));
    }
    if (frames.size() > 1) {  // loop for ever, as animated pictures do
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        put16(out, 0);
        out.append(char(0));
    }
    for (const GifFrame& frame : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(transparentIndex >= 0 ? 0x01 : 0x00));
        put16(out, 10);
        out.append(char(transparentIndex >= 0 ? transparentIndex : 0));
        out.append(char(0));
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, frame.width);
        put16(out, frame.height);
        out.append(char(0));
        out.append(char(8));  // minimum code size
        const QByteArray data = lzwUncompressed(frame.pixels);
        for (int i = 0; i < data.size(); i += 255) {
            const QByteArray block = data.mid(i, 255);
            out.append(char(block.size()));
            out.append(block);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

QByteArray solidGif(int width, int height, const QColor& colour)
{
    GifFrame frame{width, height, QVector<quint8>(qsizetype(width) * height, 0)};
    return writeGif({colour}, {frame});
}

}  // namespace testsupport
