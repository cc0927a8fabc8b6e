#include "picture.h"

#include "threadhandoff.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSemaphore>
#include <QSvgRenderer>
#include <QThread>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ui {
namespace {

// Below this a picture is a shape or two: a plain background is 188 bytes, the simplest drawing
// with some detail about a kilobyte.
constexpr qint64 kSmallestCachedSourceBytes = 512;

bool isWhole(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-6;
}

qint64 bytesOf(const QPixmap& pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

// The size a drawing states in pixels on its root element, read without parsing the drawing (the
// rendering thread parses it to render it); invalid when it states none or in other units.
QSize declaredSize(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (xml.name() != QLatin1String("svg"))
        return {};
    const auto pixels = [&](QLatin1String name) {
        QStringView value = xml.attributes().value(name);
        if (value.endsWith(QLatin1String("px")))
            value.chop(2);
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok && number > 0 ? number : -1;
    };
    return QSize(pixels(QLatin1String("width")), pixels(QLatin1String("height")));
}

QImage renderedImage(QSvgRenderer& picture, QSize size, qreal ratio)
{
    QImage image(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace

// One render for a rendering thread, from a picture of its own parsed there: a parsed picture
// keeps state while it is drawn, so two threads never share one.
class PictureCache::Job {
public:
    Job(QString resourcePath, QSize size, qreal ratio) : m_path(std::move(resourcePath)), m_size(size), m_ratio(ratio)
    {}
    void render()
    {
        QSvgRenderer picture(m_path);
        m_valid = picture.isValid();
        m_image = renderedImage(picture, m_size, m_ratio);
        ULMARO_HANDED_OVER(this);
        m_done.release();
    }
    bool isValid() const { return m_valid; }  // once done
    bool isDone() const { return m_done.available() > 0; }
    QImage take()
    {
        m_done.acquire();
        m_done.release();
        ULMARO_TAKEN_OVER(this);
        return std::move(m_image);
    }

    // What the pool runs, and deletes once it has run. It keeps a share of its job, so the job
    // lives until this thread is done with it: the release() that lets take() return goes on to
    // wake the taking thread through the semaphore's own address, and a semaphore destroyed
    // while in use is undefined.
    class Runner : public QRunnable {
    public:
        explicit Runner(std::shared_ptr<Job> job) : m_job(std::move(job)) {}
        void run() override
        {
            ULMARO_TAKEN_OVER(this);  // from prepare(), through the pool's queue
            m_job->render();
        }

    private:
        std::shared_ptr<Job> m_job;
    };

private:
    QString m_path;
    QSize m_size;
    qreal m_ratio;
    QImage m_image;
    bool m_valid = false;
    QSemaphore m_done;
};

PictureCache::PictureCache(qint64 limitBytes) : m_limit(limitBytes)
{
    // Two: while the window system maps the window, the thread that shows it waits, and both
    // cores can render; once the first paint begins, that thread renders what is left itself.
    m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
}

PictureCache::~PictureCache()
{
    m_pool.clear();
    m_pool.waitForDone();
}

std::shared_ptr<QSvgRenderer> PictureCache::parsed(const QString& resourcePath)
{
    for (qsizetype i = m_parsed.size() - 1; i >= 0; --i)
        if (m_parsed[i].first == resourcePath) {
            m_parsed.move(i, m_parsed.size() - 1);
            return m_parsed.last().second;
        }
    auto renderer = std::make_shared<QSvgRenderer>(resourcePath);
    reportIfInvalid(resourcePath, renderer->isValid());
    m_sizes.insert(resourcePath, renderer->defaultSize());
    m_parsed.append({resourcePath, renderer});
    if (m_parsed.size() > kParsedKept)
        m_parsed.removeFirst();
    return renderer;
}

QSize PictureCache::naturalSize(const QString& resourcePath)
{
    auto found = m_sizes.constFind(resourcePath);
    if (found == m_sizes.constEnd()) {
        const QSize declared = declaredSize(resourcePath);
        found = m_sizes.insert(resourcePath, declared.isValid() ? declared : parsed(resourcePath)->defaultSize());
    }
    return *found;
}

void PictureCache::reportIfInvalid(const QString& resourcePath, bool valid)
{
    if (!valid && !m_reported.contains(resourcePath)) {
        m_reported.insert(resourcePath);
        std::fprintf(stderr, "ulmaro: stored picture %s is missing or invalid\n", qPrintable(resourcePath));
    }
}

bool PictureCache::isWorthCaching(const QString& resourcePath)
{
    return QFileInfo(resourcePath).size() >= kSmallestCachedSourceBytes;
}

QPixmap PictureCache::rendered(const QString& resourcePath, QSize size, qreal ratio)
{
    const Key key{resourcePath, size, ratio};
    if (!m_jobs.isEmpty())
        collect(&key);
    auto found = m_pixmaps.find(key);
    if (found != m_pixmaps.end()) {
        found->lastUse = ++m_uses;
        return found->pixmap;
    }
    QPixmap pixmap = QPixmap::fromImage(renderedImage(*parsed(resourcePath), size, ratio));
    ++m_renders;
    keep(key, pixmap);
    return pixmap;
}

void PictureCache::keep(const Key& key, const QPixmap& pixmap)
{
    // One larger than the whole bound is drawn from its pixmap now and rendered again next time.
    const qint64 bytes = bytesOf(pixmap);
    if (bytes <= m_limit) {
        trimTo(m_limit - bytes);
        m_pixmaps.insert(key, {pixmap, ++m_uses});
        m_bytes += bytes;
    }
}

void PictureCache::prepare(const QString& resourcePath, QSize size, qreal ratio)
{
    const Key key{resourcePath, size, ratio};
    if (size.isEmpty() || m_pixmaps.contains(key) || m_jobs.contains(key))
        return;
    auto job = std::make_shared<Job>(resourcePath, size, ratio);
    auto* runner = new Job::Runner(job);
    m_jobs.insert(key, {std::move(job), runner});
    ULMARO_HANDED_OVER(runner);
    m_pool.start(runner);
}

void PictureCache::collect(const Key* wanted)
{
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        Job& job = *it->job;
        const bool isWanted = wanted && it.key() == *wanted;
        if (!isWanted && !job.isDone()) {
            ++it;
            continue;
        }
        // Not started yet: this thread takes its runner back (ours to delete then) and renders it
        // rather than wait behind the others. A runner that has started may be deleted by the
        // time tryTake() looks, but tryTake() only compares it with those queued, and only this
        // thread queues any, so none can be queued at its address meanwhile.
        if (!job.isDone() && m_pool.tryTake(it->runner))
            std::unique_ptr<QRunnable>(it->runner)->run();
        const QPixmap pixmap = QPixmap::fromImage(job.take());
        reportIfInvalid(it.key().path, job.isValid());
        ++m_renders;
        keep(it.key(), pixmap);
        it = m_jobs.erase(it);  // the runner's share keeps the job until the pool deletes it
    }
}

void PictureCache::setLimitBytes(qint64 limitBytes)
{
    m_limit = limitBytes;
    trimTo(limitBytes);
}

void PictureCache::trimTo(qint64 limitBytes)
{
    while (m_bytes > limitBytes && !m_pixmaps.isEmpty()) {
        auto oldest = m_pixmaps.begin();
        for (auto it = m_pixmaps.begin(); it != m_pixmaps.end(); ++it)
            if (it->lastUse < oldest->lastUse)
                oldest = it;
        m_bytes -= bytesOf(oldest->pixmap);
        m_pixmaps.erase(oldest);
    }
}

Picture Picture::fromResource(const QString& resourcePath, PictureCache& cache)
{
    Picture picture;
    if (PictureCache::isWorthCaching(resourcePath)) {
        picture.m_cache = &cache;
        picture.m_path = resourcePath;
    } else {
        picture.m_svg = cache.parsed(resourcePath);
    }
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

Picture Picture::fromImages(QImage image, QList<content::LargerCopy> larger)
{
    Picture picture = fromImage(std::move(image));
    std::sort(larger.begin(), larger.end(), [](const auto& a, const auto& b) { return a.factor < b.factor; });
    picture.m_larger = std::move(larger);
    return picture;
}

const QImage& Picture::imageFor(qreal deviceScale) const
{
    // The smallest copy at least as fine as the paint, else the finest there is; a hair of
    // rounding is no reason to take the next one.
    constexpr qreal kRounding = 0.05;
    if (deviceScale <= 1 + kRounding || m_larger.isEmpty())
        return m_image;
    for (const content::LargerCopy& copy : m_larger)
        if (copy.factor + kRounding >= deviceScale)
            return copy.image;
    return m_larger.last().image;
}

QSize Picture::size() const
{
    if (m_cache)
        return m_cache->naturalSize(m_path);
    if (m_svg)
        return m_svg->defaultSize();
    return m_image.size();
}

void Picture::paint(QPainter& painter, const QRectF& target) const
{
    if (m_cache) {
        if (!paintFromCache(painter, target))
            m_cache->parsed(m_path)->render(&painter, target);
        return;
    }
    if (m_svg) {
        m_svg->render(&painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    // Drawn from the copy made for the scale shown at, or scaled smoothly: never in blocks.
    const qreal deviceScale = painter.deviceTransform().m11() * target.width() / m_image.width();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, imageFor(deviceScale));
    painter.restore();
}

void Picture::prepare(QSize size, qreal ratio) const
{
    if (m_cache)
        m_cache->prepare(m_path, size, ratio);
}

bool Picture::paintFromCache(QPainter& painter, const QRectF& target) const
{
    // A blit looks the same as drawing the picture only where it lands on whole device pixels at
    // their own size: no rotation, no uneven scale, no fractional edge.
    const QTransform& device = painter.deviceTransform();
    const qreal ratio = device.m11();
    if (!m_cache || device.type() > QTransform::TxScale || ratio <= 0 || device.m22() != ratio)
        return false;
    const QPointF origin = device.map(target.topLeft());
    const QSizeF logical = target.size();
    if (!isWhole(origin.x()) || !isWhole(origin.y()) || !isWhole(logical.width()) || !isWhole(logical.height())
        || !isWhole(logical.width() * ratio) || !isWhole(logical.height() * ratio) || logical.isEmpty())
        return false;
    painter.drawPixmap(target.topLeft(), m_cache->rendered(m_path, logical.toSize(), ratio));
    return true;
}

}  // namespace ui
