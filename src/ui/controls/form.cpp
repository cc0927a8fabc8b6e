#include "form.h"

#include "ui/accessibility/accessible.h"
#include "ui/accessibility/reach.h"
#include "ui/controls/control.h"
#include "ui/layout/style.h"
#include "ui/layout/twips.h"

#include <QCloseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

// A quarter of the layout still shows every control, if small; below that nothing reads.
constexpr int kSmallestScalePercent = 25;

}  // namespace

Form::Form(const QString& caption, Picture background) : QWidget(nullptr), m_background(std::move(background))
{
    installAccessibility();
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinMaxButtonsHint);
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setMinimumSize(twipsToPixels(kClientWidthTwips * kSmallestScalePercent / 100.0),
                   twipsToPixels(kClientHeightTwips * kSmallestScalePercent / 100.0));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QRect Form::stage() const
{
    return QRect(m_origin, QSize(twipsToPixels(kClientWidthTwips, m_scale), twipsToPixels(kClientHeightTwips, m_scale)));
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLayout();
}

void Form::setZoomScale(double scale)
{
    m_zoomScale = scale;
    fitLayout();
}

void Form::fitLayout()
{
    const QSize zoomed(twipsToPixels(kClientWidthTwips, m_zoomScale), twipsToPixels(kClientHeightTwips, m_zoomScale));
    const double scale = size() == zoomed ? m_zoomScale
                                          : std::min(width() / (kClientWidthTwips / double(kTwipsPerPixel)),
                                                     height() / (kClientHeightTwips / double(kTwipsPerPixel)));
    const QSize shown(twipsToPixels(kClientWidthTwips, scale), twipsToPixels(kClientHeightTwips, scale));
    const QPoint origin((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    if (scale == m_scale && origin == m_origin)
        return;
    m_scale = scale;
    m_origin = origin;
    // Containers first, as their children are placed inside them.
    for (QWidget* child : findChildren<QWidget*>())
        if (auto* control = dynamic_cast<Control*>(child))
            control->rescale();
    update();
    emit layoutFitted();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kLightGrey.toQColor());
    // Drawn from the layout's top-left corner at the layout's scale; what lies beyond the client
    // area is cut off.
    if (!m_background.isNull()) {
        painter.setClipRect(stage());
        m_background.paint(painter, QRectF(QPointF(m_origin), QSizeF(m_background.size()) * m_scale));
    }
}

bool Form::focusNextPrevChild(bool next)
{
    return moveFocus(*this, next);
}

void Form::closeEvent(QCloseEvent* event)
{
    // The screen unloads itself, window included.
    event->ignore();
    emit closeRequested();
}

}  // namespace ui
