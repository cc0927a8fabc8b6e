#include "cornermarks.h"

#include "ui/controls/form.h"
#include "ui/layout/twips.h"

#include <QPainter>

namespace ui {
namespace {

constexpr double kMarkHeightTwips = 360;      // 24 px
constexpr double kRoundMarkWidthTwips = 360;  // pause, muted
constexpr double kSpeedMarkWidthTwips = 540;  // 36 px: an arrow and its factor
constexpr double kGapTwips = 60;              // between two marks
constexpr double kCornerMarginTwips = 90;     // from the window's right and bottom edges

}  // namespace

CornerMarks::CornerMarks(PictureStore& pictures, QWidget* window)
    : QWidget(window),
      m_pauseMark{pictures.resource(QStringLiteral(":/ui/art/mark_pause.svg")), kRoundMarkWidthTwips},
      m_halfMark{pictures.resource(QStringLiteral(":/ui/art/mark_half.svg")), kSpeedMarkWidthTwips},
      m_doubleMark{pictures.resource(QStringLiteral(":/ui/art/mark_double.svg")), kSpeedMarkWidthTwips},
      m_mutedMark{pictures.resource(QStringLiteral(":/ui/art/mark_muted.svg")), kRoundMarkWidthTwips}
{
    setObjectName(QStringLiteral("CornerMarks"));
    // Never in the way: clicks and Tab go to the controls beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    if (auto* form = qobject_cast<Form*>(window))
        connect(form, &Form::layoutFitted, this, &CornerMarks::place);
}

double CornerMarks::scale() const
{
    const auto* form = qobject_cast<const Form*>(parentWidget());
    return form ? form->scale() : 1.0;
}

void CornerMarks::place()
{
    const auto* form = qobject_cast<const Form*>(parentWidget());
    double width = 0;
    for (const Mark* mark : shownMarks())
        width += mark->widthTwips + (width > 0 ? kGapTwips : 0);
    const double right = kClientWidthTwips - kCornerMarginTwips;
    const double bottom = kClientHeightTwips - kCornerMarginTwips;
    const QPoint origin = form ? form->origin() : QPoint();
    setGeometry(pixelRect(right - width, bottom - kMarkHeightTwips, width, kMarkHeightTwips, scale()).translated(origin));
}

std::vector<const CornerMarks::Mark*> CornerMarks::shownMarks() const
{
    std::vector<const Mark*> marks;
    if (m_speed == Speed::Half)
        marks.push_back(&m_halfMark);
    if (m_speed == Speed::Double)
        marks.push_back(&m_doubleMark);
    if (m_paused)
        marks.push_back(&m_pauseMark);
    if (m_muted)
        marks.push_back(&m_mutedMark);
    return marks;
}

void CornerMarks::showState(bool paused, Speed speed, bool muted, const QString& description)
{
    m_paused = paused;
    m_speed = speed;
    m_muted = muted;
    setAccessibleDescription(description);

    place();
    setVisible(!shownMarks().empty());
    raise();
    update();
}

void CornerMarks::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    double left = 0;
    for (const Mark* mark : shownMarks()) {
        mark->picture.paint(painter, pixelRect(left, 0, mark->widthTwips, kMarkHeightTwips, scale()));
        left += mark->widthTwips + kGapTwips;
    }
}

}  // namespace ui
