#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>

namespace ui {

// A colour as the layouts write it: &H00BBGGRR&, or one of the two system colours.
struct Colour {
    std::uint32_t value;

    static constexpr std::uint32_t kSystemFlag = 0x80000000u;
    static constexpr std::uint32_t kSystemWindow = 0x80000005u;
    static constexpr std::uint32_t kSystemWindowText = 0x80000008u;

    QColor toQColor() const;
};

constexpr Colour bgr(std::uint32_t value)
{
    return Colour{value};
}
constexpr Colour rgb(int r, int g, int b)
{
    return Colour{static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8)
                  | (static_cast<std::uint32_t>(b) << 16)};
}

inline constexpr Colour kLightGrey = bgr(0x00C0C0C0);
inline constexpr Colour kWhite = bgr(0x00FFFFFF);
inline constexpr Colour kSystemWindow = Colour{Colour::kSystemWindow};
inline constexpr Colour kSystemWindowText = Colour{Colour::kSystemWindowText};

// The three Japanese faces the screens were laid out with.
enum class Face { Mincho, PMincho, PGothic };

struct Font {
    Face face;
    double points;
    bool bold;
};

// Pixel sizes at 96 dpi, so texts fit their fixed boxes whatever the desktop's font DPI; on a
// window that shows its layout scaled, times that scale.
QFont toQFont(const Font& font, double scale = 1.0);
int fontPixelSize(double points, double scale = 1.0);
QString familyOf(Face face);

struct TextStyle {
    Font font;
    Colour fore;
    Colour back;
    bool transparentBack = false;
};

}  // namespace ui
