#pragma once

#include "layout.h"

#include <QWidget>

#include <functional>

namespace ui {

// Base of every visible control: keeps its place in twips, as the layouts give it, and turns it
// into pixels only when the widget is placed.
class Control : public QWidget {
    Q_OBJECT
public:
    Control(const ControlSpec& row, QWidget* parent);

    const ControlSpec& row() const { return m_row; }
    // Twips, as the layouts give them; QWidget's own geometry is in pixels.
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    double widthTwips() const { return m_width; }
    double heightTwips() const { return m_height; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);

    // Visible as the screen set it, whatever its containers do.
    bool ownVisible() const { return !isHidden(); }

    // Called with the control's index when the user clicks it; set by the screen.
    std::function<void(int)> onClick;

protected:
    void setSizeTwips(double width, double height);
    void fireClick();

    // A press and release of the left button inside the control is a click.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click on a picture is no new click: a quick double click on
    // the drawn switch must not close and open the circuit again.
    void mouseDoubleClickEvent(QMouseEvent*) override {}

private:
    void place();

    const ControlSpec& m_row;
    double m_left, m_top, m_width, m_height;
    bool m_pressed = false;
};

}  // namespace ui
