#pragma once

#include "ui/pictures/picture.h"

#include <QWidget>

namespace ui {

// Small marks in the window's bottom-right corner for what the teacher's keys changed: the
// animations paused or at another speed, the sounds muted. They take no clicks and lie over
// every control; hidden while there is nothing to mark. A screen reader finds what they show in
// their description, and the last change heard as their name.
class CornerMarks : public QWidget {
    Q_OBJECT
public:
    enum class Speed { Normal, Half, Double };

    CornerMarks(PictureStore& pictures, QWidget* window);

    // `description` says in words all that is shown.
    void showState(bool paused, Speed speed, bool muted, const QString& description);
    bool showsPaused() const { return m_paused; }
    Speed shownSpeed() const { return m_speed; }
    bool showsMuted() const { return m_muted; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Mark {
        Picture picture;
        double widthTwips;
    };
    std::vector<const Mark*> shownMarks() const;
    // Where the marks stand at the window's present scale.
    void place();
    double scale() const;

    Mark m_pauseMark;
    Mark m_halfMark;
    Mark m_doubleMark;
    Mark m_mutedMark;
    bool m_paused = false;
    Speed m_speed = Speed::Normal;
    bool m_muted = false;
};

}  // namespace ui
