#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace ui {

Picture PictureStore::resource(const QString& resourcePath)
{
    Picture picture;
    auto& renderer = m_parsed[resourcePath];
    if (!renderer) {
        renderer = std::make_shared<QSvgRenderer>(resourcePath);
        if (!renderer->isValid())
            std::fprintf(stderr, "ulmaro: stored picture %s is missing or invalid\n",
                         qPrintable(resourcePath));
    }
    picture.m_svg = renderer;
    picture.m_source = resourcePath;
    return picture;
}

Picture PictureStore::stored(std::string_view resourcePath)
{
    if (resourcePath.empty())
        return {};
    return resource(QString::fromUtf8(resourcePath.data(), qsizetype(resourcePath.size())));
}

Picture Picture::fromImage(QImage image)
{
    Picture picture;
    picture.m_image = std::move(image);
    return picture;
}

QSize Picture::size() const
{
    if (m_svg)
        return m_svg->defaultSize();
    return m_image.size();
}

void Picture::paint(QPainter& painter, const QRectF& target) const
{
    if (m_svg) {
        m_svg->render(&painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    // Content frames are pixel art: scale them without blurring.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_image);
    painter.restore();
}

}  // namespace ui
