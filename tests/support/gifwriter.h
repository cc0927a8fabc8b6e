#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QVector>

// Writes small GIF files for test fixtures (Qt reads GIF but cannot write it). Pixels are stored
// uncompressed inside the LZW stream: valid, simple, and large, which fixtures do not mind.
namespace testsupport {

struct GifFrame {
    int width = 0;
    int height = 0;
    QVector<quint8> pixels;  // palette indices, row by row
};

// palette: up to 256 colours; transparentIndex < 0 for none.
QByteArray writeGif(const QList<QColor>& palette, const QList<GifFrame>& frames, int transparentIndex = -1);

// A one-frame picture of one colour.
QByteArray solidGif(int width, int height, const QColor& colour);

}  // namespace testsupport
