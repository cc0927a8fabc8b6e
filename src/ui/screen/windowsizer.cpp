#include "windowsizer.h"

#include "ui/controls/form.h"
#include "ui/layout/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace ui {
namespace {

constexpr std::array<int, 15> kZoomSteps{25, 33, 50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
static_assert(kZoomSteps.front() == kSmallestZoomPercent && kZoomSteps.back() == kLargestZoomPercent);

QSize layoutSize(double scale)
{
    return QSize(twipsToPixels(kClientWidthTwips, scale), twipsToPixels(kClientHeightTwips, scale));
}

QRect availableArea()
{
    const QScreen* display = QGuiApplication::primaryScreen();
    return display ? display->availableGeometry() : QRect();
}

// The sizer as context: a window deleted later, after its screen unloaded, answers no key.
void addShortcut(Form& form, const QObject* context, const QList<QKeySequence>& keys, std::function<void()> action)
{
    auto* shortcut = new QShortcut(&form);
    shortcut->setKeys(keys);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, context, std::move(action));
}

}  // namespace

std::span<const int> zoomSteps()
{
    return kZoomSteps;
}

int zoomedIn(int percent)
{
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int zoomedOut(int percent)
{
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return below == kZoomSteps.begin() ? kZoomSteps.front() : *std::prev(below);
}

QSize sizeFitting(QSize wanted, QSize room)
{
    if (room.isEmpty() || (wanted.width() <= room.width() && wanted.height() <= room.height()))
        return wanted;
    const QSize whole = layoutSize(1.0);
    const double scale = std::min(double(room.width()) / whole.width(), double(room.height()) / whole.height());
    // Rounded down, so the size found never exceeds the room.
    return QSize(std::min(room.width(), int(std::floor(whole.width() * scale))),
                 std::min(room.height(), int(std::floor(whole.height() * scale))));
}

WindowSizer::WindowSizer(Form& form, ViewSettings& settings) : QObject(&form), m_form(form), m_settings(settings)
{
    form.installEventFilter(this);
    const auto ctrl = [](Qt::Key key, Qt::KeyboardModifiers more = {}) {
        return QKeySequence(QKeyCombination(Qt::ControlModifier | more, key));
    };
    // Plus is shifted on most keyboards (on Japanese ones over the semicolon): every way of
    // typing it zooms in.
    addShortcut(form, this,
                {ctrl(Qt::Key_Plus), ctrl(Qt::Key_Plus, Qt::ShiftModifier), ctrl(Qt::Key_Equal),
                 ctrl(Qt::Key_Semicolon, Qt::ShiftModifier), ctrl(Qt::Key_Plus, Qt::KeypadModifier)},
                [this] { zoomTo(zoomedIn(m_settings.zoomPercent)); });
    addShortcut(form, this, {ctrl(Qt::Key_Minus), ctrl(Qt::Key_Minus, Qt::KeypadModifier)},
                [this] { zoomTo(zoomedOut(m_settings.zoomPercent)); });
    addShortcut(form, this, {ctrl(Qt::Key_0), ctrl(Qt::Key_0, Qt::KeypadModifier)}, [this] { zoomTo(100); });
    addShortcut(form, this, {QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); });
}

QSize WindowSizer::normalSize() const
{
    return m_settings.windowSize.isEmpty() ? layoutSize(m_settings.zoomPercent / 100.0) : m_settings.windowSize;
}

void WindowSizer::placeNormal()
{
    const QRect area = availableArea();
    // The title bar and frame are known once the window has been shown.
    const QSize frame = m_form.isVisible() ? m_form.frameGeometry().size() - m_form.size() : QSize(0, 0);
    m_form.setZoomScale(m_settings.zoomPercent / 100.0);
    m_form.resize(sizeFitting(normalSize(), area.size() - frame));
    if (area.isEmpty())
        return;
    QRect whole(QPoint(0, 0), m_form.size() + frame);
    whole.moveCenter(area.center());
    m_form.move(whole.topLeft());
}

void WindowSizer::sizeForShow()
{
    const QScreen* display = QGuiApplication::primaryScreen();
    if (m_settings.fullScreen && display)
        m_form.resize(display->geometry().size());
    else if (m_settings.maximised && display)
        m_form.resize(display->availableGeometry().size());
    else
        placeNormal();
}

void WindowSizer::show()
{
    if (m_settings.fullScreen) {
        m_form.showFullScreen();
        return;
    }
    if (m_settings.maximised) {
        m_form.showMaximized();
        return;
    }
    placeNormal();
    m_form.show();
    // Sized and centred again with its title bar and frame, once the window system has told them.
    if (m_form.frameGeometry() != m_form.geometry())
        placeNormal();
}

void WindowSizer::toggleFullScreen()
{
    if (m_form.isFullScreen()) {
        if (m_settings.maximised) {
            m_form.showMaximized();
        } else {
            // A window that opened full screen has no normal size of its own to go back to.
            m_form.showNormal();
            placeNormal();
        }
    } else {
        m_form.showFullScreen();
    }
}

void WindowSizer::zoomTo(int percent)
{
    m_settings.zoomPercent = std::clamp(percent, kSmallestZoomPercent, kLargestZoomPercent);
    m_settings.windowSize = QSize();
    // A full-screen or maximised window keeps filling the display; the zoom is the size it goes
    // back to.
    if (m_form.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        return;
    placeNormal();
}

bool WindowSizer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_form) {
        if (event->type() == QEvent::WindowStateChange) {
            const Qt::WindowStates state = m_form.windowState();
            m_settings.fullScreen = state & Qt::WindowFullScreen;
            // Full screen hides whether the window was maximised before: that is kept.
            if (!m_settings.fullScreen)
                m_settings.maximised = state & Qt::WindowMaximized;
        } else if (event->type() == QEvent::Resize && m_form.isVisible()
                   && !(m_form.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized))) {
            if (m_form.size() != normalSize())
                m_settings.windowSize = m_form.size();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
