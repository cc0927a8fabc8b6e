#include "barewindow.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace bench {
namespace {

// A picture with some detail in it, made at the screen's resolution so it is blitted 1:1.
QPixmap makePicture(const QSize& size, qreal ratio, const QColor& from, const QColor& to)
{
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(QRect(QPoint(), size), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(QPointF(size.width() / 2.0, size.height() / 2.0), 20.0 * (i + 1), 12.0 * (i + 1));
    return picture;
}

class Panel : public QWidget {
public:
    Panel(const QSize& size, qreal ratio, QWidget* parent)
        : QWidget(parent), m_picture(makePicture(size, ratio, QColor(0, 0, 192), QColor(255, 255, 255)))
    {
        resize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, m_picture); }

private:
    QPixmap m_picture;
};

}  // namespace

QSize displaySize()
{
    const QScreen* display = QGuiApplication::primaryScreen();
    return display ? display->geometry().size() : QSize(BareWindow::kWidth, BareWindow::kHeight);
}

BareWindow::BareWindow(bool fullScreen) : m_fullScreen(fullScreen)
{
    // Made once for each size, as a program keeps the picture it shows.
    const QSize size = fullScreen ? displaySize() : QSize(kWidth, kHeight);
    static QPixmap picture;
    if (picture.isNull() || picture.deviceIndependentSize().toSize() != size)
        picture = makePicture(size, qApp->devicePixelRatio(), QColor(40, 90, 160), QColor(230, 200, 120));
    m_picture = picture;
    setWindowTitle(QStringLiteral("bare"));
    setFixedSize(size);
}

void BareWindow::showOnDisplay()
{
    if (m_fullScreen) {
        showFullScreen();
        return;
    }
    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());
    show();
}

QWidget* BareWindow::addPanel(const QSize& size)
{
    return new Panel(size, devicePixelRatio(), this);
}

void BareWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

}  // namespace bench
