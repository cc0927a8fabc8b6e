#include "keyspanel.h"

#include "ui/accessibility/reach.h"
#include "ui/controls/form.h"
#include "ui/layout/style.h"
#include "ui/layout/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace ui {
namespace {

// The card in the middle of the window, in twips from the window's top-left corner.
constexpr double kCardLeft = 1620, kCardTop = 660, kCardWidth = 8250, kCardHeight = 5850;
constexpr double kTitleBandTwips = 630;
constexpr double kPaddingTwips = 360;
constexpr double kLineTwips = 345;      // 23 px a line
constexpr double kMeaningTwips = 2250;  // where the meanings start, from the card's padding

constexpr Font kTitleFont{Face::PGothic, 14.25, true};
constexpr Font kKeyFont{Face::PGothic, 11.25, true};
constexpr Font kTextFont{Face::PGothic, 11.25, false};
constexpr Colour kCardBack = rgb(255, 255, 255);
constexpr Colour kTitleBack = rgb(28, 63, 170);  // the blue of the button faces
constexpr Colour kKeyColour = rgb(16, 40, 120);
constexpr Colour kTextColour = rgb(33, 33, 33);
constexpr Colour kNoteColour = rgb(90, 90, 90);

}  // namespace

KeysPanel::KeysPanel(std::span<const KeyLine> lines, const QString& note, QWidget* window)
    : QWidget(window), m_lines(lines), m_note(note)
{
    setObjectName(QStringLiteral("KeysPanel"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("キーの一覧（F1 か Esc で閉じます）"));
    QStringList description;
    for (const KeyLine& line : m_lines)
        description << QStringLiteral("%1：%2").arg(QString::fromUtf8(line.keys), QString::fromUtf8(line.meaning));
    description << m_note;
    setAccessibleDescription(description.join(QStringLiteral("。")));
    hide();
    if (auto* form = qobject_cast<Form*>(window))
        connect(form, &Form::layoutFitted, this, [this] {
            if (isOpen())
                setGeometry(parentWidget()->rect());
        });
}

void KeysPanel::openPanel()
{
    if (isOpen())
        return;
    m_focusBefore = window()->focusWidget();
    setGeometry(window()->rect());
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    QAccessibleEvent opened(this, QAccessible::DialogStart);
    QAccessible::updateAccessibility(&opened);
}

void KeysPanel::closePanel()
{
    if (!isOpen())
        return;
    QAccessibleEvent closed(this, QAccessible::DialogEnd);
    QAccessible::updateAccessibility(&closed);
    hide();
    if (m_focusBefore && isTabStop(*m_focusBefore))
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    else if (QWidget* form = window())
        keepFocusReachable(*form);
}

void KeysPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, 140));  // the screen beneath, dimmed
    // The card is laid out in twips like the screen beneath, and drawn at its scale.
    if (const auto* form = qobject_cast<const Form*>(parentWidget())) {
        painter.translate(form->origin());
        painter.scale(form->scale(), form->scale());
    }

    const QRect card = pixelRect(kCardLeft, kCardTop, kCardWidth, kCardHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCardBack.toQColor());
    painter.drawRoundedRect(card, 8, 8);
    QPainterPath band;
    band.addRoundedRect(QRectF(card.left(), card.top(), card.width(), twipsToPixels(kTitleBandTwips) + 8), 8, 8);
    painter.save();
    painter.setClipRect(pixelRect(kCardLeft, kCardTop, kCardWidth, kTitleBandTwips));
    painter.fillPath(band, kTitleBack.toQColor());
    painter.restore();

    const double inner = kCardLeft + kPaddingTwips;
    const double innerWidth = kCardWidth - 2 * kPaddingTwips;
    painter.setPen(Qt::white);
    painter.setFont(toQFont(kTitleFont));
    const QRect title = pixelRect(inner, kCardTop, innerWidth, kTitleBandTwips);
    painter.drawText(title, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("キーの一覧"));
    painter.setFont(toQFont(kTextFont));
    painter.drawText(title, Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("F1 か Esc で閉じます"));

    double top = kCardTop + kTitleBandTwips + kPaddingTwips / 2;
    for (const KeyLine& line : m_lines) {
        painter.setPen(kKeyColour.toQColor());
        painter.setFont(toQFont(kKeyFont));
        painter.drawText(pixelRect(inner, top, kMeaningTwips, kLineTwips), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromUtf8(line.keys));
        painter.setPen(kTextColour.toQColor());
        painter.setFont(toQFont(kTextFont));
        painter.drawText(pixelRect(inner + kMeaningTwips, top, innerWidth - kMeaningTwips, kLineTwips),
                         Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(line.meaning));
        top += kLineTwips;
    }
    painter.setPen(kNoteColour.toQColor());
    painter.drawText(pixelRect(inner, top + kLineTwips / 4, innerWidth, kLineTwips), Qt::AlignVCenter | Qt::AlignLeft,
                     m_note);
}

void KeysPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        closePanel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KeysPanel::mousePressEvent(QMouseEvent*)
{
    closePanel();
}

}  // namespace ui
