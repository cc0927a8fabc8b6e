#include "screen.h"

#include "ui/accessibility/reach.h"
#include "ui/controls/choicelist.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/container.h"
#include "ui/controls/form.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/listbox.h"
#include "ui/controls/mediaplayer.h"
#include "ui/controls/timer.h"
#include "ui/screen/windowsizer.h"
#include "ui/screen/pace.h"
#include "ui/screen/teacherkeys.h"

#include "content/contentpath.h"
#include "content/failurereport.h"
#include "content/picturefile.h"
#include "content/textfile.h"


#include <algorithm>
#include <stdexcept>
#include <vector>

namespace ui {
namespace {

const char* const kBackground = ":/ui/art/background.svg";

template <typename T>
T& as(Control& control, const char* kind)
{
    auto* typed = dynamic_cast<T*>(&control);
    if (!typed)
        throw std::logic_error(std::string("control is not a ") + kind + ": "
                               + control.widget().objectName().toStdString());
    return *typed;
}

}  // namespace

Screen::Screen(ScreenHost& host, QString caption, Layout layout)
    : m_host(host), m_caption(std::move(caption)), m_layout(layout)
{}

Screen::~Screen()
{
    delete m_form;
}

void Screen::show()
{
    if (!isLoaded()) {
        build();
        m_host.guard().run([this] { load(); });
        if (!isLoaded())
            return;  // the load handler left the screen already
    }
    Form* form = m_form;
    m_sizer->sizeForShow();
    // Rendered on other threads while the window system maps the window.
    const qreal ratio = form->devicePixelRatioF();
    for (auto& [key, control] : m_controls)
        if (control->widget().isVisibleTo(form))
            control->preparePictures(ratio);
    m_sizer->show();
    form->raise();
    form->activateWindow();
    // Keyboard focus on the first control in tab order that Tab would stop at.
    Control* first = nullptr;
    for (auto& [key, control] : m_controls) {
        const int tab = control->row().content.tabIndex;
        if (tab >= 0 && isTabStop(control->widget()) && (!first || tab < first->row().content.tabIndex))
            first = control;
    }
    if (first)
        first->widget().setFocus(Qt::TabFocusReason);
    m_host.guard().run([this] { activate(); });
}

void Screen::unload()
{
    if (!isLoaded())
        return;
    for (auto& [name, timer] : m_timers)
        timer->retire();
    Form* form = m_form;
    m_form = nullptr;
    // Now: the window is deleted later, and the settings it would keep may be gone by then.
    delete m_sizer;
    m_sizer = nullptr;
    m_controls.clear();
    m_timers.clear();
    // A pause belongs to the screen it was made on: the next one starts moving.
    m_host.pace().setPaused(false);
    form->hide();
    // Deleted later: the handler that unloads may be running inside one of these widgets.
    form->deleteLater();
    m_host.screenUnloaded();
}

void Screen::build()
{
    auto* form = new Form(m_caption, m_host.pictures().resource(QString::fromLatin1(kBackground)));
    m_form = form;
    m_sizer = new WindowSizer(*form, m_host.viewSettings());
    // Every connection has this screen as its context and acts only while the window it came from
    // is the one on show: a click or tick that arrives after the screen unloaded, even within the
    // same event, reaches no handler.
    connect(form, &Form::closeRequested, this, [this, form] {
        if (m_form == form)
            unload();
    });
    for (const ControlSpec& row : m_layout.rows()) {
        const std::string name(row.name);
        if (row.kind == Kind::Timer) {
            auto* timer = new Timer(row, form);
            connect(timer, &Timer::ticked, this, [this, form, name] {
                if (m_form == form)
                    dispatchTick(name);
            });
            m_timers[name] = timer;
            continue;
        }
        QWidget* parent = form;
        if (!row.container.empty()) {
            auto found = m_controls.find({std::string(row.container), kNoIndex});
            if (found == m_controls.end())
                throw std::logic_error("container listed after its controls: " + std::string(row.container));
            parent = &found->second->widget();
        }
        m_controls[{name, row.index}] = makeControl(row, parent, [this, form, name, index = row.index] {
            if (m_form == form)
                dispatchClick(name, index);
        });
    }
    stackAndOrder();
    makeChoiceLists();
    for (auto& [key, control] : m_controls)
        control->widget().setVisible(control->row().visible);
    followPace();
    connect(&m_host.pace(), &Pace::changed, form, [this, form] {
        if (m_form == form)
            followPace();
    });
    // Made last, so its marks and panel lie over every control.
    new TeacherKeys(*this, m_host);
}

void Screen::followPace()
{
    const Pace& pace = m_host.pace();
    for (auto& [name, timer] : m_timers)
        if (timer->row().content.animates)
            timer->setPace(pace.isPaused(), pace.rate());
}

bool Screen::animates() const
{
    const auto rows = m_layout.rows();
    return std::any_of(rows.begin(), rows.end(), [](const ControlSpec& row) { return row.content.animates; });
}

void Screen::stepAnimations()
{
    const Form* form = m_form;
    std::vector<Timer*> clocks;
    for (auto& [name, timer] : m_timers)
        if (timer->row().content.animates)
            clocks.push_back(timer);
    // A tick may unload the screen, and its timers with it.
    for (Timer* clock : clocks)
        if (m_form == form)
            clock->step();
}

Control* Screen::makeControl(const ControlSpec& row, QWidget* parent, const std::function<void()>& clicked)
{
    Picture stored = m_host.pictures().stored(row.content.picture);
    switch (row.kind) {
    case Kind::CommandButton: {
        auto* button = new CommandButton(row, std::move(stored), parent);
        connect(button, &QAbstractButton::clicked, this, clicked);
        return button;
    }
    case Kind::Image: {
        auto* image = new Image(row, std::move(stored), parent);
        connect(image, &ClickArea::clicked, this, clicked);
        return image;
    }
    case Kind::PictureBox: {
        auto* box = new Container(row, std::move(stored), parent);
        connect(box, &ClickArea::clicked, this, clicked);
        return box;
    }
    case Kind::Frame: return new Container(row, std::move(stored), parent);
    case Kind::Label: return new Label(row, parent);
    case Kind::ListBox: return new ListBox(row, parent);
    case Kind::MediaPlayer: return new MediaPlayer(row, m_host.makeSoundSink(), parent);
    case Kind::Timer: break;
    }
    throw std::logic_error("a timer is no control: " + std::string(row.name));
}

void Screen::stackAndOrder()
{
    // Within a container: controls with a window of their own above those without; within each
    // group the table's order, topmost first. Raising bottom-up leaves the first row on top.
    std::vector<Control*> inTableOrder;
    for (const ControlSpec& row : m_layout.rows())
        if (row.kind != Kind::Timer)
            inTableOrder.push_back(m_controls.at({std::string(row.name), row.index}));
    for (bool windowed : {false, true})
        for (auto it = inTableOrder.rbegin(); it != inTableOrder.rend(); ++it)
            if (hasOwnWindow((*it)->row().kind) == windowed)
                (*it)->widget().raise();

    std::vector<Control*> tabbed;
    for (Control* control : inTableOrder)
        if (control->row().content.tabIndex >= 0)
            tabbed.push_back(control);
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](Control* a, Control* b) { return a->row().content.tabIndex < b->row().content.tabIndex; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(&tabbed[i - 1]->widget(), &tabbed[i]->widget());
}

void Screen::makeChoiceLists()
{
    std::map<std::string_view, std::vector<CommandButton*>> lists;
    for (const ControlSpec& row : m_layout.rows())
        if (!row.content.list.empty())
            lists[row.content.list].push_back(&button({row.name, row.index}));
    for (auto& [name, buttons] : lists) {
        // Down the screen, then from the left: the order a reader and the arrow keys go.
        std::stable_sort(buttons.begin(), buttons.end(), [](const CommandButton* a, const CommandButton* b) {
            return a->row().top != b->row().top ? a->row().top < b->row().top : a->row().left < b->row().left;
        });
        new ChoiceList(toQString(name), {buttons.begin(), buttons.end()}, buttons.front()->parentWidget());
    }
}

void Screen::dispatchClick(const std::string& name, int index)
{
    auto handler = m_clickHandlers.find(name);
    if (handler == m_clickHandlers.end())
        return;
    const auto run = handler->second;  // a copy: the handler may unload this screen
    m_host.guard().run([&run, index] { run(index); });
    if (m_form)
        keepFocusReachable(*m_form);
}

void Screen::dispatchTick(const std::string& timerName)
{
    auto handler = m_tickHandlers.find(timerName);
    if (handler == m_tickHandlers.end())
        return;
    const auto run = handler->second;
    m_host.guard().run(run);
}

void Screen::onClick(std::string_view name, std::function<void(int)> handler)
{
    const auto rows = m_layout.rows();
    if (std::none_of(rows.begin(), rows.end(),
                     [name](const ControlSpec& row) { return row.name == name && takesClicks(row.kind); }))
        throw std::logic_error("a click handler for " + std::string(name) + ", which is no control of "
                               + m_caption.toStdString() + " that takes clicks");
    m_clickHandlers[std::string(name)] = std::move(handler);
}

void Screen::onTick(std::string_view timerName, std::function<void()> handler)
{
    if (!m_layout.has(timerName, kNoIndex, Kind::Timer))
        throw std::logic_error("a tick handler for " + std::string(timerName) + ", which is no timer of "
                               + m_caption.toStdString());
    m_tickHandlers[std::string(timerName)] = std::move(handler);
}

bool Screen::hasControl(ControlRef ref) const
{
    return m_controls.count(keyOf(ref)) != 0;
}

Control& Screen::control(ControlRef ref) const
{
    auto found = m_controls.find(keyOf(ref));
    if (found == m_controls.end())
        throw std::logic_error("no control " + std::string(ref.name)
                               + (ref.index == kNoIndex ? "" : "(" + std::to_string(ref.index) + ")") + " on a loaded "
                               + m_caption.toStdString());
    return *found->second;
}

Image& Screen::image(ControlRef ref) const
{
    return as<Image>(control(ref), "Image");
}
Label& Screen::label(ControlRef ref) const
{
    return as<Label>(control(ref), "Label");
}
ListBox& Screen::list(ControlRef ref) const
{
    return as<ListBox>(control(ref), "ListBox");
}
CommandButton& Screen::button(ControlRef ref) const
{
    return as<CommandButton>(control(ref), "CommandButton");
}
Container& Screen::container(ControlRef ref) const
{
    return as<Container>(control(ref), "Frame or PictureBox");
}
MediaPlayer& Screen::player(ControlRef ref) const
{
    return as<MediaPlayer>(control(ref), "MediaPlayer");
}

Timer& Screen::timer(std::string_view name) const
{
    auto found = m_timers.find(std::string(name));
    if (found == m_timers.end())
        throw std::logic_error("no timer " + std::string(name) + " on a loaded " + m_caption.toStdString());
    return *found->second;
}

bool Screen::click(ControlRef ref)
{
    if (!isLoaded() || !hasControl(ref))
        return false;
    Control& target = control(ref);
    if (!target.widget().isVisibleTo(m_form))
        return false;
    if (auto* button = dynamic_cast<CommandButton*>(&target))
        button->click();
    else if (auto* area = qobject_cast<ClickArea*>(&target.widget()))
        area->click();
    return true;
}

bool Screen::tick(std::string_view timerName)
{
    if (!isLoaded())
        return false;
    return timer(timerName).tick();
}

void Screen::setVisible(ControlRef ref, bool visible) const
{
    control(ref).widget().setVisible(visible);
}

void Screen::setInterval(std::string_view timerName, int milliseconds) const
{
    timer(timerName).setInterval(milliseconds);
}

void Screen::loadPicture(ControlRef ref, const QString& relativePath) const
{
    Control& target = control(ref);
    const QString path = content::contentPath(relativePath);
    QImage base = content::readPicture(path);
    QList<content::LargerCopy> larger = content::readLargerCopies(path, base);
    Picture picture = Picture::fromImages(std::move(base), std::move(larger));
    picture.setSource(relativePath);
    if (auto* img = dynamic_cast<Image*>(&target))
        img->setPicture(std::move(picture));
    else
        as<Container>(target, "Image or PictureBox").setPicture(std::move(picture));
}

void Screen::setStoredPicture(ControlRef ref, std::string_view resourcePath) const
{
    Control& target = control(ref);
    Picture picture = m_host.pictures().stored(resourcePath.empty() ? target.row().content.picture : resourcePath);
    if (auto* img = dynamic_cast<Image*>(&target))
        img->setPicture(std::move(picture));
    else
        as<Container>(target, "Image or PictureBox").setPicture(std::move(picture));
}

void Screen::loadList(ControlRef ref, const QString& relativePath) const
{
    ListBox& box = list(ref);
    box.clear();
    const QStringList lines = content::readLines(content::contentPath(relativePath));
    for (const QString& line : lines)
        box.addItem(line);
}

void Screen::play(ControlRef ref, const QString& relativePath) const
{
    player(ref).setFileName(content::contentPath(relativePath));
}

}  // namespace ui
