#pragma once

#include <QRect>

#include <cmath>

namespace ui {

// Layouts are written in twips; pixels exist only where a widget is placed.
inline constexpr int kTwipsPerPixel = 15;  // 1440 twips per inch at 96 px per inch

inline constexpr int kClientWidthTwips = 11490;  // 766 px
inline constexpr int kClientHeightTwips = 7170;  // 478 px

// Nearest pixel; positions in the layouts are mostly whole pixels already.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

// A rectangle in twips, in pixels: its edges are rounded, not its size, so neighbouring
// rectangles never open a one-pixel gap.
inline QRect pixelRect(double left, double top, double width, double height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

inline constexpr double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

}  // namespace ui
