#pragma once

#include <QObject>
#include <QSize>

#include <span>

namespace ui {

class Form;

// How the program's windows are shown in this run: the zoom a window opens at, whether full
// screen or maximised, and the size the user gave the last window. Kept for the run only, so a
// screen that replaces another looks as the last one did; nothing is written.
struct ViewSettings {
    int zoomPercent = 100;
    bool fullScreen = false;
    bool maximised = false;
    QSize windowSize;  // the last normal window's client size; empty: the zoom's
};

inline constexpr int kSmallestZoomPercent = 25;
inline constexpr int kLargestZoomPercent = 400;
// The steps Ctrl + and Ctrl - go through; a zoom between two goes to the next one.
std::span<const int> zoomSteps();
int zoomedIn(int percent);
int zoomedOut(int percent);

// The largest client size with the layout's proportions that fits `room`, `wanted` at most.
QSize sizeFitting(QSize wanted, QSize room);

// Shows one screen's window as the settings say, never larger than the available area of the
// display, and keeps the settings as the user changes them: F11 toggles full screen, Ctrl + and
// Ctrl - zoom in steps, Ctrl 0 goes back to 100 %, and a window resized or maximised by hand is
// remembered for the next one.
// It must go when its screen unloads, before the settings it keeps may go.
class WindowSizer : public QObject {
    Q_OBJECT
public:
    WindowSizer(Form& form, ViewSettings& settings);

    // Gives the hidden window the size it will show at, so its pictures can be made for it.
    void sizeForShow();
    // Shows the window as the settings say, centred on the display.
    void show();
    void toggleFullScreen();
    void zoomTo(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize normalSize() const;
    // Sizes the normal window, within the display's free area, and centres it there.
    void placeNormal();

    Form& m_form;
    ViewSettings& m_settings;
};

}  // namespace ui
