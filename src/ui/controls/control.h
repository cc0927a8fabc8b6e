#pragma once

#include "ui/layout/layout.h"

#include <QtGlobal>

class QWidget;

namespace ui {

// What every visible control has besides its Qt widget: the layout row it was built from, and
// its place in twips as the layouts give it, turned into pixels only when the widget is placed.
// Each kind derives from the Qt widget that fits it and from this.
class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget& widget() { return m_widget; }
    const QWidget& widget() const { return m_widget; }
    const ControlSpec& row() const { return m_row; }

    // Twips, as the layouts give them; QWidget's own geometry is in pixels.
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    double widthTwips() const { return m_width; }
    double heightTwips() const { return m_height; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);

    // Visible as the screen set it, whatever its containers do.
    bool ownVisible() const;

    // A picture with a place in tab order is worked like a button: it takes the focus, shows the
    // focus ring, and Space or Enter click it.
    bool actsAsButton() const;

    // The scale its window shows the layout at (1 on no window of a screen).
    double scale() const;
    // Places the control again at its window's current scale; kinds with a font size it anew.
    virtual void rescale() { place(); }

    // Asks for the stored pictures the control will paint on a device of `ratio`, so that they
    // are rendered before the first paint needs them.
    virtual void preparePictures(qreal ratio) const { Q_UNUSED(ratio); }

protected:
    Control(QWidget& widget, const ControlSpec& row);
    void setSizeTwips(double width, double height);

    void place();

private:

    QWidget& m_widget;
    const ControlSpec& m_row;
    double m_left, m_top, m_width, m_height;
};

}  // namespace ui
