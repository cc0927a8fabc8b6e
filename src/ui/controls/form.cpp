#include "form.h"

#include "ui/accessibility/accessible.h"
#include "ui/accessibility/reach.h"
#include "ui/layout/style.h"
#include "ui/layout/twips.h"

#include <QCloseEvent>
#include <QPainter>

namespace ui {

Form::Form(const QString& caption, Picture background) : QWidget(nullptr), m_background(std::move(background))
{
    installAccessibility();
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
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
