#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <string_view>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui {

// A picture a control shows: a vector drawing stored with the layout, or an image loaded from the
// content folders. Vector drawings are rendered at the device's resolution, so they stay crisp.
class Picture {
public:
    Picture() = default;
    static Picture fromImage(QImage image);

    bool isNull() const { return !m_svg && m_image.isNull(); }
    QSize size() const;   // natural size in device-independent pixels
    void paint(QPainter& painter, const QRectF& target) const;
    QString source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }

private:
    friend class PictureStore;

    std::shared_ptr<QSvgRenderer> m_svg;
    QImage m_image;
    QString m_source;
};

// The pictures stored with the layouts. They are part of the program: each is parsed once per
// run and shared by every control that shows it.
class PictureStore {
public:
    Picture resource(const QString& resourcePath);
    // The picture a layout row stores, or none.
    Picture stored(std::string_view resourcePath);

private:
    QHash<QString, std::shared_ptr<QSvgRenderer>> m_parsed;
};

}  // namespace ui
