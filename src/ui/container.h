#pragma once

#include "control.h"
#include "picture.h"

namespace ui {

// Frame and PictureBox: containers that clip their children. A picture box also draws its picture
// at its top-left corner, unscaled, and takes clicks.
class Container : public Control {
    Q_OBJECT
public:
    Container(const ControlSpec& spec, QWidget* parent);

    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture m_picture;
    bool m_pressed = false;
};

}  // namespace ui
