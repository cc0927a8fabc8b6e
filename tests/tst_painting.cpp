// Painting: stored pictures rendered once into a bounded cache and blitted, and a tick that
// repaints only what it changed.
#include "support/contentfolder.h"
#include "support/gifwriter.h"
#include "support/testprogram.h"

#include "content/contenterror.h"
#include "content/picturefile.h"

#include "app/startup.h"
#include "principle/principlescreen.h"
#include "ui/controls/form.h"
#include "ui/pictures/picture.h"

#include <QDirIterator>
#include <QPaintEvent>
#include <QScreen>
#include <QSvgRenderer>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;
using ui::Picture;
using ui::PictureCache;

namespace {

const QString kDryCell = QStringLiteral(":/ui/art/drycell.svg");
const QString kMenuFace = QStringLiteral(":/ui/art/face_menu.svg");
const QString kVoltaPanel = QStringLiteral(":/lessons/art/panel_volta.svg");

QImage transparentImage(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The picture painted as a control paints it, and the drawing rendered straight from its file.
QImage paintedPicture(const Picture& picture, QSize size, qreal ratio)
{
    QImage image = transparentImage(size, ratio);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
QImage drawnDirectly(const QString& path, QSize size, qreal ratio)
{
    QImage image = transparentImage(size, ratio);
    QPainter painter(&image);
    QSvgRenderer(path).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Every region painted in one window, in the window's coordinates, while it lives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintRecorder() override { qApp->removeEventFilter(this); }

    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->window() == m_window) {
                painted += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(m_window, QPoint()));
                ++paints;
            }
        }
        return false;
    }

private:
    QWidget* m_window;
};

// Paints what waits to be painted, and nothing else: no clock of the screen ticks meanwhile.
void paintNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

QRect inWindow(const QWidget& widget)
{
    return QRect(widget.mapTo(widget.window(), QPoint()), widget.size());
}

QRegion placesOf(ui::Screen& screen, std::initializer_list<const char*> names)
{
    QRegion region;
    for (const char* name : names)
        region += inWindow(screen.control(name).widget());
    return region;
}

long areaOf(const QRegion& region)
{
    long area = 0;
    for (const QRect& rect : region)
        area += long(rect.width()) * rect.height();
    return area;
}

}  // namespace

class PaintingTest : public QObject {
    Q_OBJECT
private slots:
    void blitLooksLikeDrawing_data();
    void blitLooksLikeDrawing();
    void renderedOncePerSizeAndRatio();
    void contentPictureDrawnFromTheCopyForItsScale_data();
    void contentPictureDrawnFromTheCopyForItsScale();
    void leastRecentlyUsedGoesFirstWithinTheBound();
    void pictureLargerThanTheBoundIsDrawnNotKept();
    void drawnDirectlyWhereABlitWouldNotMatch_data();
    void drawnDirectlyWhereABlitWouldNotMatch();
    void screensShareTheirRenderedPictures();
    void preparedRenderIsTheOneThePaintUses();
    void jobsGoAsSoonAsTheirRenderIsTaken();
    void fewParsedPicturesAreKeptWhateverIsShown();
    void naturalSizeIsTheParsedOne();
    void screenIsRenderedBeforeItsFirstPaint();
    void iconComesOnceTheFirstWindowHasPainted();

    void electronStepRepaintsOnlyThePicturesItMoves_data();
    void electronStepRepaintsOnlyThePicturesItMoves();
    void bubbleTickRepaintsOnlyItsTwoFrames();
    void switchAnimationRepaintsOnlyItsTwoFrames();
    void slidingPagePaintsOnlyTheStripItUncovers();
    void whatIsShownAfterTicksIsAWholeRepaint();
};

void PaintingTest::blitLooksLikeDrawing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("natural size at 100 %") << kDryCell << QSize(253, 293) << 1.0;
    QTest::newRow("natural size at 200 %") << kDryCell << QSize(253, 293) << 2.0;
    QTest::newRow("stretched at 150 %") << kMenuFace << QSize(120, 40) << 1.5;
}

void PaintingTest::blitLooksLikeDrawing()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    PictureCache cache;
    const Picture picture = Picture::fromResource(path, cache);
    const QImage viaCache = paintedPicture(picture, size, ratio);
    QCOMPARE(cache.renderCount(), 1);
    QCOMPARE(viaCache, drawnDirectly(path, size, ratio));
}

void PaintingTest::renderedOncePerSizeAndRatio()
{
    PictureCache cache;
    const QPixmap first = cache.rendered(kDryCell, QSize(100, 120), 1.0);
    cache.rendered(kDryCell, QSize(100, 120), 1.0);
    QCOMPARE(cache.renderCount(), 1);
    QCOMPARE(first.size(), QSize(100, 120));

    // Moved to a 200 % screen: rendered afresh at twice the pixels, so it stays crisp.
    const QPixmap crisp = cache.rendered(kDryCell, QSize(100, 120), 2.0);
    QCOMPARE(cache.renderCount(), 2);
    QCOMPARE(crisp.size(), QSize(200, 240));
    QCOMPARE(crisp.devicePixelRatio(), 2.0);

    cache.rendered(kDryCell, QSize(50, 60), 1.0);
    QCOMPARE(cache.renderCount(), 3);
    cache.rendered(kDryCell, QSize(100, 120), 2.0);
    QCOMPARE(cache.renderCount(), 3);
    QCOMPARE(cache.pixmapCount(), 3);
}

void PaintingTest::leastRecentlyUsedGoesFirstWithinTheBound()
{
    const QSize size(100, 100);
    const qint64 onePicture = qint64(size.width()) * size.height() * 4;
    PictureCache cache(2 * onePicture);
    const QString a = kDryCell, b = kMenuFace, c = kVoltaPanel;
    cache.rendered(a, size, 1.0);
    cache.rendered(b, size, 1.0);
    cache.rendered(a, size, 1.0);  // a is now the more recent
    cache.rendered(c, size, 1.0);  // no room for three: b goes
    QCOMPARE(cache.renderCount(), 3);
    QCOMPARE(cache.bytes(), 2 * onePicture);
    cache.rendered(a, size, 1.0);
    QCOMPARE(cache.renderCount(), 3);
    cache.rendered(b, size, 1.0);
    QCOMPARE(cache.renderCount(), 4);
    QVERIFY(cache.bytes() <= cache.limitBytes());

    cache.setLimitBytes(onePicture);
    QCOMPARE(cache.pixmapCount(), 1);
    QCOMPARE(cache.bytes(), onePicture);
}

void PaintingTest::pictureLargerThanTheBoundIsDrawnNotKept()
{
    PictureCache cache(1000);
    const QPixmap small = cache.rendered(kDryCell, QSize(10, 10), 1.0);
    const QPixmap big = cache.rendered(kDryCell, QSize(100, 100), 1.0);
    QCOMPARE(big.size(), QSize(100, 100));
    QCOMPARE(cache.pixmapCount(), 1);  // the small one stays
    cache.rendered(kDryCell, QSize(10, 10), 1.0);
    QCOMPARE(cache.renderCount(), 2);
}

void PaintingTest::drawnDirectlyWhereABlitWouldNotMatch_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRectF>("target");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("half-pixel edge") << kDryCell << QRectF(0.5, 0, 100, 100) << 1.0;
    QTest::newRow("fractional size") << kDryCell << QRectF(0, 0, 100.25, 100) << 1.0;
    QTest::newRow("whole logical pixels, half device pixels") << kDryCell << QRectF(0, 0, 101, 100) << 1.5;
    // A shape or two draws as fast as it blits: a plain background is not worth the memory.
    QTest::newRow("plain background") << QStringLiteral(":/ui/art/background.svg") << QRectF(0, 0, 100, 100) << 1.0;
}

void PaintingTest::drawnDirectlyWhereABlitWouldNotMatch()
{
    QFETCH(QString, path);
    QFETCH(QRectF, target);
    QFETCH(qreal, ratio);
    PictureCache cache;
    const Picture picture = Picture::fromResource(path, cache);
    QImage viaPicture = transparentImage(QSize(120, 120), ratio);
    {
        QPainter painter(&viaPicture);
        picture.paint(painter, target);
    }
    QImage direct = transparentImage(QSize(120, 120), ratio);
    {
        QPainter painter(&direct);
        QSvgRenderer(path).render(&painter, target);
    }
    QCOMPARE(cache.renderCount(), 0);
    QCOMPARE(viaPicture, direct);
}

void PaintingTest::screensShareTheirRenderedPictures()
{
    TestProgram program;
    const PictureCache& cache = program.program().pictures().cache();
    program.open(ScreenId::Volta);
    TestProgram::settle();
    const int afterVolta = cache.renderCount();
    QVERIFY(afterVolta > 0);
    // The Daniell cell shares the menu button and the enlargement buttons' faces with Volta's.
    program.program().screen(ScreenId::Volta).unload();
    program.open(ScreenId::Daniell);
    TestProgram::settle();
    const int afterDaniell = cache.renderCount();
    QVERIFY(afterDaniell > afterVolta);
    program.program().screen(ScreenId::Daniell).unload();
    program.open(ScreenId::Volta);
    TestProgram::settle();
    program.program().screen(ScreenId::Volta).unload();
    program.open(ScreenId::Daniell);
    TestProgram::settle();
    QCOMPARE(cache.renderCount(), afterDaniell);
}

void PaintingTest::preparedRenderIsTheOneThePaintUses()
{
    PictureCache cache;
    const Picture picture = Picture::fromResource(kDryCell, cache);
    const QSize size(100, 120);
    picture.prepare(size, 1.0);
    picture.prepare(size, 2.0);
    picture.prepare(size, 1.0);  // asked twice, rendered once
    // Drawn directly meanwhile, at a place a blit cannot match, while other threads render.
    QImage fractional = transparentImage(QSize(50, 50), 1.0);
    {
        QPainter painter(&fractional);
        picture.paint(painter, QRectF(0.5, 0.5, 40, 40));
    }
    for (const qreal ratio : {1.0, 2.0})
        QCOMPARE(paintedPicture(picture, size, ratio), drawnDirectly(kDryCell, size, ratio));
    QCOMPARE(cache.renderCount(), 2);
    QCOMPARE(cache.pixmapCount(), 2);
}

void PaintingTest::jobsGoAsSoonAsTheirRenderIsTaken()
{
    // Each job is destroyed the moment its render is taken, maybe while the thread that rendered
    // it is still waking this one, and a cache goes with jobs queued and running; every picture
    // still comes out whole. scripts/tsan.sh runs this under the thread sanitizer.
    const QList<QString> paths{kDryCell, kMenuFace, kVoltaPanel};
    const QList<QSize> sizes{QSize(60, 70), QSize(90, 40)};
    QList<QImage> expected;
    for (const QString& path : paths)
        for (const QSize size : sizes)
            expected.append(drawnDirectly(path, size, 1.0));
    for (int round = 0; round < 100; ++round) {
        PictureCache cache;
        for (const QString& path : paths)
            for (const QSize size : sizes)
                cache.prepare(path, size, 1.0);
        qsizetype i = 0;
        for (const QString& path : paths)
            for (const QSize size : sizes)
                QCOMPARE(paintedPicture(Picture::fromResource(path, cache), size, 1.0), expected[i++]);
        QCOMPARE(cache.pendingCount(), 0);
        QCOMPARE(cache.renderCount(), int(expected.size()));
        PictureCache dropped;
        for (const QString& path : paths)
            dropped.prepare(path, sizes[0], 2.0);
    }
}

void PaintingTest::fewParsedPicturesAreKeptWhateverIsShown()
{
    TestProgram program;
    const PictureCache& cache = program.program().pictures().cache();
    for (const ScreenId id : app::kAllScreens) {
        program.open(id);
        TestProgram::settle();
        program.program().screen(id).unload();
    }
    QVERIFY2(cache.pixmapCount() > 20, qPrintable(QString::number(cache.pixmapCount())));
    QVERIFY(cache.parsedCount() <= PictureCache::kParsedKept);
    // Back on a screen already seen: blitted, nothing parsed or rendered again.
    const int renders = cache.renderCount();
    program.open(ScreenId::Volta);
    TestProgram::settle();
    QCOMPARE(cache.renderCount(), renders);
}

void PaintingTest::naturalSizeIsTheParsedOne()
{
    // Read from the drawing's root element without parsing it, for every stored picture.
    PictureCache cache;
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        QCOMPARE(cache.naturalSize(path), QSvgRenderer(path).defaultSize());
        ++pictures;
    }
    QVERIFY(pictures > 50);
    QCOMPARE(cache.parsedCount(), 0);
}

void PaintingTest::screenIsRenderedBeforeItsFirstPaint()
{
    // Every stored picture of the menu is asked for before the window shows: its first paint
    // renders nothing the cache was not already asked for, and what it shows is whole.
    TestProgram program;
    const PictureCache& cache = program.program().pictures().cache();
    ui::Screen& menu = program.open(ScreenId::Menu);
    const int prepared = cache.renderCount() + cache.pendingCount();
    QVERIFY(prepared >= 9);  // seven buttons, the title and the dry cell
    TestProgram::settle();
    QCOMPARE(cache.renderCount(), prepared);
    QCOMPARE(cache.pendingCount(), 0);
    const QImage shown = menu.window()->grab().toImage();
    QCOMPARE(cache.renderCount(), prepared);
    QVERIFY(!shown.isNull());
}

void PaintingTest::iconComesOnceTheFirstWindowHasPainted()
{
    app::setUpApplication(*qApp);
    QVERIFY(QApplication::windowIcon().isNull());
    QWidget window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!window.windowIcon().pixmap(QSize(32, 32)).isNull());
}

void PaintingTest::electronStepRepaintsOnlyThePicturesItMoves_data()
{
    QTest::addColumn<int>("lesson");
    QTest::newRow("volta") << int(ScreenId::Volta);
    QTest::newRow("daniell") << int(ScreenId::Daniell);
    QTest::newRow("manganese") << int(ScreenId::Manganese);
    QTest::newRow("lead") << int(ScreenId::Lead);
}

void PaintingTest::electronStepRepaintsOnlyThePicturesItMoves()
{
    QFETCH(int, lesson);
    TestProgram program;
    ui::Screen& s = program.open(ScreenId(lesson));
    TestProgram::settle();
    s.click("Image13");
    s.click("Command1");
    s.tick("Timer1");  // the first step shows the pictures; the second moves them
    paintNow();
    // Image3 and Image4 take the next frames, Image5 to Image7 move 20 px.
    const auto moving = {"Image3", "Image4", "Image5", "Image6", "Image7"};
    QRegion allowed = placesOf(s, moving);
    PaintRecorder recorder(s.window());
    s.tick("Timer1");
    paintNow();
    allowed += placesOf(s, moving);
    QVERIFY(recorder.paints > 0);
    QCOMPARE(recorder.painted.subtracted(allowed), QRegion());
}

void PaintingTest::bubbleTickRepaintsOnlyItsTwoFrames()
{
    TestProgram program;
    ui::Screen& s = program.open(ScreenId::Volta);
    TestProgram::settle();
    s.tick("Timer2");
    paintNow();
    PaintRecorder recorder(s.window());
    s.tick("Timer2");  // the zinc plate's two columns swap their pictures
    paintNow();
    QVERIFY(recorder.paints > 0);
    QCOMPARE(recorder.painted.subtracted(placesOf(s, {"Image10", "Image11"})), QRegion());
}

void PaintingTest::switchAnimationRepaintsOnlyItsTwoFrames()
{
    TestProgram program;
    ui::Screen& s = program.open(ScreenId::Principle);
    TestProgram::settle();
    auto& principle = static_cast<principle::PrincipleScreen&>(s);
    while (s.timer("Timer1").isRunning())
        s.tick("Timer1");
    while (principle.pageNo() < 3) {  // on to page 4, each page slid in to its end
        s.click("Command2");
        while (s.timer("Timer2").isRunning())
            s.tick("Timer2");
    }
    s.click("Picture4");
    s.tick("Timer3");
    paintNow();
    PaintRecorder recorder(s.window());
    s.tick("Timer3");
    paintNow();
    QVERIFY(recorder.paints > 0);
    QCOMPARE(recorder.painted.subtracted(placesOf(s, {"Picture7", "Picture8"})), QRegion());
}

void PaintingTest::slidingPagePaintsOnlyTheStripItUncovers()
{
    TestProgram program;
    ui::Screen& s = program.open(ScreenId::Principle);  // page 1 starts sliding in
    TestProgram::settle();
    for (int i = 0; i < 20; ++i)
        s.tick("Timer1");
    paintNow();
    QWidget& page = s.container("Frame1");
    const QRect before = inWindow(page);
    PaintRecorder recorder(s.window());
    s.tick("Timer1");
    paintNow();
    const QRect after = inWindow(page);
    const int step = before.top() - after.top();
    QCOMPARE(step, 6);
    // What was drawn moves with the page; only the strip it brings into the window is painted.
    QVERIFY(recorder.paints > 0);
    QCOMPARE(recorder.painted.subtracted(QRegion(before) + after), QRegion());
    QVERIFY2(areaOf(recorder.painted) <= 2L * page.width() * step,
             qPrintable(QStringLiteral("painted %1 px of a %2 x %3 page")
                            .arg(areaOf(recorder.painted))
                            .arg(page.width())
                            .arg(page.height())));
}

void PaintingTest::whatIsShownAfterTicksIsAWholeRepaint()
{
    TestProgram program;
    ui::Screen& s = program.open(ScreenId::Principle);  // page 1 slides in to its end
    TestProgram::settle();
    while (s.timer("Timer1").isRunning()) {
        s.tick("Timer1");
        paintNow();
    }
    // The window as the screen shows it, built up tick by tick, against the window drawn afresh.
    QWidget* window = s.window();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), whole.size());
    QVERIFY(shown == whole);
}

void PaintingTest::contentPictureDrawnFromTheCopyForItsScale_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("ratio");  // the display's device pixel ratio
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QColor>("drawnFrom");  // the colour of the copy drawn
    const QStringList both{"@2x", "@3x"};
    const QColor base(Qt::red), twice(Qt::green), thrice(Qt::blue);
    QTest::newRow("100 %") << 1.0 << 1.0 << both << base;
    QTest::newRow("150 %: the finer copy above") << 1.5 << 1.0 << both << twice;
    QTest::newRow("200 %") << 2.0 << 1.0 << both << twice;
    QTest::newRow("100 % on a display at 200 %") << 1.0 << 2.0 << both << twice;
    QTest::newRow("250 %") << 2.5 << 1.0 << both << thrice;
    QTest::newRow("300 %") << 3.0 << 1.0 << both << thrice;
    QTest::newRow("150 % on a display at 200 %") << 1.5 << 2.0 << both << thrice;
    QTest::newRow("400 %: the finest there is") << 4.0 << 1.0 << both << thrice;
    QTest::newRow("300 %, only @2x") << 3.0 << 1.0 << QStringList{"@2x"} << twice;
    QTest::newRow("200 %, only @3x") << 2.0 << 1.0 << QStringList{"@3x"} << thrice;
    QTest::newRow("200 %, @2x of the wrong size") << 2.0 << 1.0 << QStringList{"@2x wrong size"} << base;
    QTest::newRow("200 %, @2x opaque where the picture is not") << 2.0 << 1.0 << QStringList{"@2x opaque"} << base;
}

void PaintingTest::contentPictureDrawnFromTheCopyForItsScale()
{
    QFETCH(double, zoom);
    QFETCH(double, ratio);
    QFETCH(QStringList, copies);
    QFETCH(QColor, drawnFrom);
    using testsupport::GifFrame;
    // Each copy in a colour of its own, see-through in its left quarter as the picture is.
    const auto picture = [](int factor, const QColor& colour, bool seeThrough = true) {
        const int width = 12 * factor, height = 8 * factor;
        GifFrame frame{width, height, QVector<quint8>(width * height, 1)};
        if (seeThrough)
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width / 4; ++x)
                    frame.pixels[y * width + x] = 0;
        return testsupport::writeGif({Qt::white, colour}, {frame}, 0);
    };
    testsupport::ContentFolder folder;
    folder.writeBytes(QStringLiteral("e.gif"), picture(1, Qt::red));
    for (const QString& copy : copies) {
        const int factor = copy.mid(1, 1).toInt();
        const QColor colour = factor == 2 ? QColor(Qt::green) : QColor(Qt::blue);
        const QString name = QStringLiteral("e@%1x.gif").arg(factor);
        if (copy.endsWith(QLatin1String("wrong size")))
            folder.writeBytes(name, picture(factor + 1, colour));
        else
            folder.writeBytes(name, picture(factor, colour, !copy.endsWith(QLatin1String("opaque"))));
    }
    const QString path = folder.path() + QStringLiteral("/e.gif");
    QImage base = content::readPicture(path);
    const ui::Picture shown = ui::Picture::fromImages(base, content::readLargerCopies(path, base));

    // Painted as a control on a window at that zoom paints it.
    const QSizeF target = QSizeF(base.size()) * zoom;
    QImage device((target * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    device.setDevicePixelRatio(ratio);
    device.fill(Qt::transparent);
    {
        QPainter painter(&device);
        shown.paint(painter, QRectF(QPointF(0, 0), target));
    }
    const QColor centre = device.pixelColor(device.width() * 5 / 8, device.height() / 2);
    QCOMPARE(centre.name(), drawnFrom.name());
    QCOMPARE(qAlpha(device.pixel(1, device.height() / 2)), 0);
    // Without a copy fine enough it is scaled smoothly: the edge of what shows is not a step.
    if (drawnFrom == QColor(Qt::red) && zoom * ratio > 1) {
        bool blended = false;
        for (int x = 0; x < device.width(); ++x) {
            const int alpha = qAlpha(device.pixel(x, device.height() / 2));
            blended = blended || (alpha > 0 && alpha < 255);
        }
        QVERIFY2(blended, "drawn in blocks");
    }
}

QTEST_MAIN(PaintingTest)
#include "tst_painting.moc"
