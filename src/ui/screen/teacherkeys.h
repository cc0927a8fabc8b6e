#pragma once

#include "ui/controls/keyspanel.h"

#include <QObject>

#include <span>

namespace ui {

class CornerMarks;
class Screen;
class ScreenHost;

// The keys a teacher works every screen window with, besides Tab, Space and Enter: P pauses and
// resumes the animations, . steps a paused one, [ and ] choose half, normal or double speed, M
// mutes every sound, F1 opens and closes the list of keys. The pace keys act only on screens
// with animation clocks. Each change shows in the window's corner marks and is said to a screen
// reader. One is made with each window, over every control.
class TeacherKeys : public QObject {
    Q_OBJECT
public:
    TeacherKeys(Screen& screen, ScreenHost& host);

    // Every key the program answers to, as the keys panel lists them.
    static std::span<const KeyLine> keyLines();

private:
    void pausePressed();
    void stepPressed();
    void speedPressed(bool faster);
    void mutePressed();
    void helpPressed();
    void showMarks();
    void say(const QString& words);

    Screen& m_screen;
    ScreenHost& m_host;
    CornerMarks* m_marks;
    KeysPanel* m_panel;
};

}  // namespace ui
