// Renders the program's square SVG icon to a PNG of a given size, for the icon theme's fixed-size
// folders:   ulmaro-iconpng ICON.svg SIZE OUT.png
// It draws with the same SVG renderer as the program, so the PNGs match what the program shows.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // A build step never has a display, and needs none: draw offscreen whatever the environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: ulmaro-iconpng ICON.svg SIZE OUT.png\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    bool sizeOk = false;
    const int size = QByteArray(argv[2]).toInt(&sizeOk);
    const QString out = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ulmaro-iconpng: %s is not a readable SVG picture\n", argv[1]);
        return 1;
    }
    if (!sizeOk || size <= 0 || size > 1024 || renderer.defaultSize().width() != renderer.defaultSize().height()) {
        std::fprintf(stderr, "ulmaro-iconpng: needs a square picture and a size from 1 to 1024 px\n");
        return 1;
    }

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "ulmaro-iconpng: could not write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
