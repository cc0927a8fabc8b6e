#include "style.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ui {

QColor Colour::toQColor() const
{
    if (value & kSystemFlag) {
        const QPalette palette = QGuiApplication::palette();
        return value == kSystemWindowText ? palette.color(QPalette::Text) : palette.color(QPalette::Base);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int fontPixelSize(double points, double scale)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
}

QString familyOf(Face face)
{
    switch (face) {
    case Face::Mincho: return QStringLiteral("IPAMincho");
    case Face::PMincho: return QStringLiteral("IPAPMincho");
    case Face::PGothic: return QStringLiteral("IPAPGothic");
    }
    return {};
}

QFont toQFont(const Font& font, double scale)
{
    QFont result(familyOf(font.face));
    result.setPixelSize(fontPixelSize(font.points, scale));
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

}  // namespace ui
