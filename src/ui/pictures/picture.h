#pragma once

#include "content/picturefile.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <string_view>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui {

// The stored pictures of every screen, rendered once per size and device pixel ratio into a
// pixmap that every later paint blits. The pixmaps are kept up to a bound in bytes, the least
// recently used given up first, so memory stays bounded whatever is shown. A parsed drawing takes
// several times its file's size, so only the few parsed last are kept: a blit needs none.
// A screen about to show asks for its pictures beforehand; they are rendered on other threads
// while the window system maps the window, and the first paint only waits for what is not done.
class PictureCache {
public:
    static constexpr qint64 kDefaultLimitBytes = qint64(24) << 20;
    static constexpr int kParsedKept = 6;

    explicit PictureCache(qint64 limitBytes = kDefaultLimitBytes);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The parsed picture, for drawing it directly.
    std::shared_ptr<QSvgRenderer> parsed(const QString& resourcePath);
    // Its size as drawn, learnt once per run.
    QSize naturalSize(const QString& resourcePath);
    // Whether blitting the picture beats drawing it: not for a picture of a shape or two (such
    // as a plain background), which draws as fast as it blits and would only take memory.
    static bool isWorthCaching(const QString& resourcePath);
    // The picture rendered at `size` device-independent pixels for a device of `ratio`.
    QPixmap rendered(const QString& resourcePath, QSize size, qreal ratio);
    // Starts rendering what rendered() will be asked for soon, unless it is there already.
    void prepare(const QString& resourcePath, QSize size, qreal ratio);

    qint64 bytes() const { return m_bytes; }
    qint64 limitBytes() const { return m_limit; }
    void setLimitBytes(qint64 limitBytes);
    int renderCount() const { return m_renders; }
    int pixmapCount() const { return int(m_pixmaps.size()); }
    int pendingCount() const { return int(m_jobs.size()); }
    int parsedCount() const { return int(m_parsed.size()); }

private:
    struct Key {
        QString path;
        QSize size;
        qreal ratio;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.path, key.size.width(), key.size.height(), key.ratio);
    }
    struct Entry {
        QPixmap pixmap;
        quint64 lastUse;
    };
    class Job;
    struct Pending {
        std::shared_ptr<Job> job;  // shared with the runner the pool runs it from
        QRunnable* runner;         // the pool's, until taken back before it starts
    };

    void trimTo(qint64 limitBytes);
    void keep(const Key& key, const QPixmap& pixmap);
    // Takes in the finished prepared renders (and, with `key`, waits for that one) as pixmaps.
    void collect(const Key* key = nullptr);
    void reportIfInvalid(const QString& resourcePath, bool valid);

    QList<std::pair<QString, std::shared_ptr<QSvgRenderer>>> m_parsed;  // the most recent last
    QHash<QString, QSize> m_sizes;
    QSet<QString> m_reported;
    QHash<Key, Entry> m_pixmaps;
    QHash<Key, Pending> m_jobs;
    qint64 m_limit;
    qint64 m_bytes = 0;
    quint64 m_uses = 0;
    int m_renders = 0;
    QThreadPool m_pool;  // last: it waits for its jobs before the rest goes
};

// A picture a control shows: a vector drawing stored with the layout, or an image loaded from the
// content folders. Vector drawings are rendered at the device's resolution, so they stay crisp.
class Picture {
public:
    Picture() = default;
    // A stored picture, parsed and rendered through the cache.
    static Picture fromResource(const QString& resourcePath, PictureCache& cache);
    static Picture fromImage(QImage image);
    // An image with larger copies of it (each `factor` times its size), the one drawn chosen for
    // the scale it is shown at.
    static Picture fromImages(QImage image, QList<content::LargerCopy> larger);
    // The image a paint at `deviceScale` device pixels for each of the image's pixels draws from.
    const QImage& imageFor(qreal deviceScale) const;

    bool isNull() const { return !m_cache && !m_svg && m_image.isNull(); }
    QSize size() const;  // natural size in device-independent pixels
    // Stored pictures come from their cache whenever the painter maps the target onto whole
    // device pixels (as widgets paint); otherwise, and for content images, they are drawn directly.
    void paint(QPainter& painter, const QRectF& target) const;
    // Asks the cache to render the picture for a paint at `size` on a device of `ratio`.
    void prepare(QSize size, qreal ratio) const;
    QString source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }

private:
    bool paintFromCache(QPainter& painter, const QRectF& target) const;

    PictureCache* m_cache = nullptr;      // a stored picture, blitted from the cache
    QString m_path;                       // ... and its resource path
    std::shared_ptr<QSvgRenderer> m_svg;  // a small stored picture, drawn directly every time
    QImage m_image;
    QList<content::LargerCopy> m_larger;  // smallest first
    QString m_source;
};

// The pictures stored with the layouts, owned by the program and handed to every screen. They are
// part of the program: each is rendered once per size and pixel ratio, and shared by every
// control that shows it.
class PictureStore {
public:
    Picture resource(const QString& resourcePath) { return Picture::fromResource(resourcePath, m_cache); }
    // The picture a layout row stores, or none.
    Picture stored(std::string_view resourcePath);
    PictureCache& cache() { return m_cache; }

private:
    PictureCache m_cache;
};

}  // namespace ui
