// Renders an SVG picture at its own size, or at SCALE times it, to a PNG with a transparent
// ground, with the same renderer as the program:   ulmaro-svgpng IN.svg OUT.png [SCALE]
// The content generators turn artwork drawn as SVG into the GIF pictures the program loads.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: ulmaro-svgpng IN.svg OUT.png [SCALE]\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ulmaro-svgpng: %s is not a readable SVG picture\n", argv[1]);
        return 1;
    }
    bool scaleOk = true;
    const int scale = argc == 4 ? QByteArray(argv[3]).toInt(&scaleOk) : 1;
    const QSize size = renderer.defaultSize() * scale;
    if (!scaleOk || scale < 1 || scale > 8 || size.isEmpty() || size.width() > 4096 || size.height() > 4096) {
        std::fprintf(stderr, "ulmaro-svgpng: needs a picture and a scale from 1 to 8 that make at most 4096 px\n");
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "ulmaro-svgpng: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
