#pragma once

#include "ui/layout/style.h"

#include <QString>

#include <cstddef>
#include <span>
#include <string_view>

namespace ui {

enum class Kind { CommandButton, Label, Image, ListBox, PictureBox, Frame, Timer, MediaPlayer };

// Kinds with a window of their own lie above those without one in the same container.
constexpr bool hasOwnWindow(Kind kind)
{
    return kind != Kind::Image && kind != Kind::Label && kind != Kind::Timer;
}

// What each kind does with a row's content and with clicks.
constexpr bool holdsControls(Kind kind)
{
    return kind == Kind::Frame || kind == Kind::PictureBox;
}
constexpr bool takesClicks(Kind kind)
{
    return kind == Kind::CommandButton || kind == Kind::Image || kind == Kind::PictureBox;
}
constexpr bool showsPicture(Kind kind)
{
    return takesClicks(kind);
}
constexpr bool showsText(Kind kind)
{
    return showsPicture(kind) || kind == Kind::Label;
}
constexpr bool hasTextStyle(Kind kind)
{
    return kind == Kind::Label || kind == Kind::ListBox;
}
// A picture in tab order is worked like a button; a label in it is a text to be read.
constexpr bool takesFocus(Kind kind)
{
    return takesClicks(kind) || kind == Kind::ListBox || kind == Kind::Label;
}
// What a screen reader can be told a control is called.
constexpr bool hasName(Kind kind)
{
    return kind != Kind::Timer && kind != Kind::MediaPlayer;
}

// A row's text style: one of the screens' styles, or none. It knows which without comparing the
// style's address with null, since GCC cannot do that in a constant expression for a style that is
// an inline variable once a sanitizer's null checks are on (they let an address be null).
class StyleRef {
public:
    constexpr StyleRef() = default;
    constexpr StyleRef(const TextStyle& style) : m_style(&style), m_held(true) {}

    constexpr explicit operator bool() const { return m_held; }
    constexpr operator const TextStyle*() const { return m_style; }
    constexpr const TextStyle* operator->() const { return m_style; }

private:
    const TextStyle* m_style = nullptr;
    bool m_held = false;
};

inline constexpr int kNoIndex = -1;
inline constexpr std::string_view kForm = {};

// What a row of a layout table puts into its control. Built with the helpers below so that a
// table reads like the screen's layout: face(...), picture(...), caption(...), list(...).
struct Content {
    std::string_view picture;  // resource path of the stored picture, if any
    std::string_view text;     // caption of a label; the words a picture carries, for screen readers
    StyleRef style = {};
    bool stretch = false;      // an Image that scales its picture to its rectangle
    int tabIndex = -1;         // focus order among the screen's controls; a picture with one is clicked by keys
    Colour back = kLightGrey;  // frames and picture boxes
    // What a screen reader calls the control: a picture's short name (a picture without one only
    // decorates and is not reported), a list's contents; a label's name wraps its caption ("%1").
    std::string_view name = {};
    bool toggle = false;  // a picture that is a switch, on or off
    bool animates = false;  // a timer that moves pictures: the teacher's pause and speed keys rule it
    // Buttons with the same list name are heard as one list of choices, each with its place in it,
    // and Up and Down move between them: a menu's destinations.
    std::string_view list = {};

    constexpr Content named(std::string_view spoken) const
    {
        Content result = *this;
        result.name = spoken;
        return result;
    }
    constexpr Content listed(std::string_view listName) const
    {
        Content result = *this;
        result.list = listName;
        return result;
    }
    constexpr Content tab(int index) const
    {
        Content result = *this;
        result.tabIndex = index;
        return result;
    }
};

constexpr Content none()
{
    return {};
}
constexpr Content face(std::string_view picture, std::string_view text, int tabIndex = -1)
{
    return {picture, text, {}, false, tabIndex};
}
constexpr Content picture(std::string_view picture, std::string_view text = {})
{
    return {picture, text};
}
constexpr Content stretched(std::string_view picture, std::string_view text = {})
{
    return {picture, text, {}, true};
}
constexpr Content caption(std::string_view text, const TextStyle& style)
{
    return {{}, text, style};
}
constexpr Content list(const TextStyle& style, int tabIndex = -1)
{
    return {{}, {}, style, false, tabIndex};
}
constexpr Content panel(Colour back, std::string_view picture = {}, std::string_view text = {})
{
    return {picture, text, {}, false, -1, back};
}
// A click area over a switch drawn in the picture beneath, reached by Tab and worked by Space;
// `words` say what pressing it does.
constexpr Content switchArea(std::string_view name, int tabIndex, std::string_view words = {})
{
    Content result = none().named(name).tab(tabIndex);
    result.text = words;
    result.toggle = true;
    return result;
}

// A timer that drives an animation, paused and paced by the teacher's keys; the screens' other
// timers (slides, waits) keep their own time.
constexpr Content animationClock()
{
    Content result;
    result.animates = true;
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
    int index;  // member of a control array, or kNoIndex
    Kind kind;
    std::string_view container;  // kForm, or the name of a Frame or PictureBox
    double left, top, width, height;
    bool visible;
    Content content;
};

// Never defined: a table that breaks a rule stops the compiler at the call, which names the rule.
namespace fault {
void rowAppearsTwice();               // the same name and index in two rows
void containerNotAboveItsControls();  // a container must come before the rows inside it
void propertyTheKindLacks();          // content, a place or a colour the kind cannot use
}  // namespace fault

// A screen's layout table, checked when the program is compiled.
class Layout {
public:
    template <std::size_t N>
    consteval Layout(const ControlSpec (&rows)[N]) : m_rows(rows)
    {
        check(m_rows);
    }

    constexpr std::span<const ControlSpec> rows() const { return m_rows; }

    constexpr bool has(std::string_view name, int index, Kind kind) const
    {
        for (const ControlSpec& row : m_rows)
            if (row.name == name && row.index == index && row.kind == kind)
                return true;
        return false;
    }

private:
    static consteval void check(std::span<const ControlSpec> rows)
    {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ControlSpec& row = rows[i];
            bool containerAbove = row.container.empty();
            for (std::size_t j = 0; j < i; ++j) {
                if (rows[j].name == row.name && rows[j].index == row.index)
                    fault::rowAppearsTwice();
                if (rows[j].name == row.container && rows[j].index == kNoIndex && holdsControls(rows[j].kind))
                    containerAbove = true;
            }
            if (!containerAbove)
                fault::containerNotAboveItsControls();
            if (!fitsItsKind(row))
                fault::propertyTheKindLacks();
        }
    }

    static constexpr bool fitsItsKind(const ControlSpec& row)
    {
        const Content& content = row.content;
        const Kind kind = row.kind;
        if (kind == Kind::Timer
            && (row.left != 0 || row.top != 0 || row.width != 0 || row.height != 0 || row.visible
                || !row.container.empty()))
            return false;  // a timer has no place on the screen
        return (content.picture.empty() || showsPicture(kind)) && (content.text.empty() || showsText(kind))
            && (!content.style || hasTextStyle(kind)) && (!content.stretch || kind == Kind::Image)
            && (content.tabIndex < 0 || takesFocus(kind))
            && (content.back.value == kLightGrey.value || holdsControls(kind))
            && (content.name.empty() || hasName(kind)) && (!content.toggle || kind == Kind::Image)
            && (!content.animates || kind == Kind::Timer) && (content.list.empty() || kind == Kind::CommandButton);
    }

    std::span<const ControlSpec> m_rows;
};

// A control's name and, for a member of a control array, its index.
struct ControlRef {
    std::string_view name;
    int index = kNoIndex;
    ControlRef(const char* n, int i = kNoIndex) : name(n), index(i) {}
    ControlRef(std::string_view n, int i = kNoIndex) : name(n), index(i) {}
};

}  // namespace ui
