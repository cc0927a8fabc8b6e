#pragma once

#include "ui/layout/layout.h"
#include "ui/screen/screenhost.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>

namespace ui {

class CommandButton;
class Container;
class Control;
class Form;
class Image;
class Label;
class ListBox;
class MediaPlayer;
class Timer;
class WindowSizer;

// One screen of the program: a window built from a layout table when the screen loads and
// destroyed when it unloads, with its handlers and its own variables. The variables live in the
// subclass and keep their values across unloads; the controls do not.
class Screen : public QObject {
    Q_OBJECT
public:
    Screen(ScreenHost& host, QString caption, Layout layout);
    ~Screen() override;

    // Loads the screen if needed (controls from the layout, then the load handler), shows it
    // centred and active, then runs the activate handler.
    void show();
    // Destroys the window and controls and stops the timers; the screen's variables stay.
    void unload();
    bool isLoaded() const { return m_form != nullptr; }

    Form* window() const { return m_form; }
    // What sizes the window and answers the keys that zoom it; null while unloaded.
    WindowSizer* sizer() const { return m_sizer; }
    QString caption() const { return m_caption; }
    std::span<const ControlSpec> layout() const { return m_layout.rows(); }

    Control& control(ControlRef ref) const;
    Image& image(ControlRef ref) const;
    Label& label(ControlRef ref) const;
    ListBox& list(ControlRef ref) const;
    CommandButton& button(ControlRef ref) const;
    Container& container(ControlRef ref) const;
    MediaPlayer& player(ControlRef ref) const;
    Timer& timer(std::string_view name) const;
    bool hasControl(ControlRef ref) const;

    // Whether the layout has animation clocks, which the teacher's pace rules.
    bool animates() const;
    // One tick of every running animation clock, paused or not: the teacher's step.
    void stepAnimations();

    // A click on a control as the user makes it: nothing happens unless the control is shown.
    bool click(ControlRef ref);
    // One tick of a running timer; false when it is stopped.
    bool tick(std::string_view timerName);

protected:
    virtual void load() {}
    virtual void activate() {}

    // Handlers by control name. A name the table has no clickable control or timer of is refused
    // with std::logic_error, so a misspelling stops the program as the screen is made.
    void onClick(std::string_view name, std::function<void(int index)> handler);
    void onTick(std::string_view timerName, std::function<void()> handler);

    void setVisible(ControlRef ref, bool visible) const;
    void setInterval(std::string_view timerName, int milliseconds) const;
    // Content operations: paths are relative to the application folder, written with "\".
    void loadPicture(ControlRef ref, const QString& relativePath) const;
    // Shows a picture stored with the program instead; without a path, the one the control's
    // layout row stores, so a picture put there by code or content can be taken back.
    void setStoredPicture(ControlRef ref, std::string_view resourcePath = {}) const;
    void loadList(ControlRef ref, const QString& relativePath) const;
    void play(ControlRef ref, const QString& relativePath) const;

private:
    using Key = std::pair<std::string, int>;
    static Key keyOf(ControlRef ref) { return {std::string(ref.name), ref.index}; }

    void build();
    Control* makeControl(const ControlSpec& row, QWidget* parent, const std::function<void()>& clicked);
    void stackAndOrder();
    void makeChoiceLists();
    void dispatchClick(const std::string& name, int index);
    void dispatchTick(const std::string& timerName);
    void followPace();

    ScreenHost& m_host;
    QString m_caption;
    Layout m_layout;
    Form* m_form = nullptr;
    WindowSizer* m_sizer = nullptr;  // the window's
    std::map<Key, Control*> m_controls;
    std::map<std::string, Timer*> m_timers;
    std::map<std::string, std::function<void(int)>> m_clickHandlers;
    std::map<std::string, std::function<void()>> m_tickHandlers;
};

}  // namespace ui
