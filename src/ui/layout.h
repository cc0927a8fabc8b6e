#pragma once

#include "style.h"

#include <QString>

#include <string_view>

namespace ui {

enum class Kind { CommandButton, Label, Image, ListBox, PictureBox, Frame, Timer, MediaPlayer };

// Kinds with a window of their own lie above those without one in the same container.
constexpr bool hasOwnWindow(Kind kind)
{
    return kind != Kind::Image && kind != Kind::Label && kind != Kind::Timer;
}

inline constexpr int kNoIndex = -1;
inline constexpr std::string_view kForm = {};

// What a row of a layout table puts into its control. Built with the helpers below so that a
// table reads like the screen's layout: face(...), picture(...), caption(...), list(...).
struct Content {
    std::string_view picture;    // resource path of the stored picture, if any
    std::string_view text;       // caption of a label; the words a picture carries, for screen readers
    const TextStyle* style = nullptr;
    bool stretch = false;        // an Image that scales its picture to its rectangle
    int tabIndex = -1;           // focus order among the screen's controls; a picture with one is clicked by keys
    Colour back = kLightGrey;    // frames and picture boxes
    // What a screen reader calls the control: a picture's short name (a picture without one only
    // decorates and is not reported), a list's contents; a label's name wraps its caption ("%1").
    std::string_view name = {};
    bool toggle = false;         // a picture that is a switch, on or off

    constexpr Content named(std::string_view spoken) const
    {
        Content result = *this;
        result.name = spoken;
        return result;
    }
    constexpr Content tab(int index) const
    {
        Content result = *this;
        result.tabIndex = index;
        return result;
    }
};

constexpr Content none() { return {}; }
constexpr Content face(std::string_view picture, std::string_view text, int tabIndex = -1)
{
    return {picture, text, nullptr, false, tabIndex};
}
constexpr Content picture(std::string_view picture, std::string_view text = {})
{
    return {picture, text};
}
constexpr Content stretched(std::string_view picture, std::string_view text = {})
{
    return {picture, text, nullptr, true};
}
constexpr Content caption(std::string_view text, const TextStyle& style)
{
    return {{}, text, &style};
}
constexpr Content list(const TextStyle& style, int tabIndex = -1)
{
    return {{}, {}, &style, false, tabIndex};
}
constexpr Content panel(Colour back, std::string_view picture = {}, std::string_view text = {})
{
    return {picture, text, nullptr, false, -1, back};
}
// A click area over a switch drawn in the picture beneath, reached by Tab and worked by Space.
constexpr Content switchArea(std::string_view name, int tabIndex)
{
    Content result = none().named(name).tab(tabIndex);
    result.toggle = true;
    return result;
}

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline constexpr bool kShown = true;
inline constexpr bool kHidden = false;

// One row of a screen's layout table: positions in twips relative to the container's inside.
struct ControlSpec {
    std::string_view name;
    int index;                   // member of a control array, or kNoIndex
    Kind kind;
    std::string_view container;  // kForm, or the name of a Frame or PictureBox
    double left, top, width, height;
    bool visible;
    Content content;
};

// A control's name and, for a member of a control array, its index.
struct ControlRef {
    std::string_view name;
    int index = kNoIndex;
    ControlRef(const char* n, int i = kNoIndex) : name(n), index(i) {}
    ControlRef(std::string_view n, int i = kNoIndex) : name(n), index(i) {}
};

}  // namespace ui
