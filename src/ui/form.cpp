#include "form.h"

#include "style.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPainter>

namespace ui {

Form::Form(const QString& caption, Picture background) : QWidget(nullptr), m_background(std::move(background))
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kLightGrey.toQColor());
    // Drawn unscaled from the top-left corner; the part beyond the client area is cut off.
    if (!m_background.isNull())
        m_background.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_background.size())));
}

void Form::closeEvent(QCloseEvent* event)
{
    // The screen unloads itself, window included.
    event->ignore();
    emit closeRequested();
}

}  // namespace ui
