#pragma once

#include <QRect>

#include <cmath>

namespace ui {

// Layouts are written in twips; pixels exist only where a widget is placed.
inline constexpr int kTwipsPerPixel = 15;  // 1440 twips per inch at 96 px per inch

inline constexpr int kClientWidthTwips = 11490;  // 766 px
inline constexpr int kClientHeightTwips = 7170;  // 478 px

// Nearest pixel; positions in the layouts are mostly whole pixels already. A window shows its
// layout scaled by one factor, so every place stays the layout's twips times that factor.
inline int twipsToPixels(double twips, double scale = 1.0)
{
    return static_cast<int>(std::floor(twips * scale / kTwipsPerPixel + 0.5));
}

// A rectangle in twips, in pixels: its edges are rounded, not its size, so neighbouring
// rectangles never open a one-pixel gap.
inline QRect pixelRect(double left, double top, double width, double height, double scale = 1.0)
{
    const int x = twipsToPixels(left, scale);
    const int y = twipsToPixels(top, scale);
    return QRect(x, y, twipsToPixels(left + width, scale) - x, twipsToPixels(top + height, scale) - y);
}

inline constexpr double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

}  // namespace ui
