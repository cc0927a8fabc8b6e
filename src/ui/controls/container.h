#pragma once

#include "ui/controls/clickarea.h"
#include "ui/controls/control.h"
#include "ui/pictures/picture.h"

namespace ui {

// Frame and PictureBox: containers that clip their children. A picture box also draws its picture
// at its top-left corner at its natural size (times the window's scale), and takes clicks.
class Container : public ClickArea, public Control {
    Q_OBJECT
public:
    Container(const ControlSpec& row, Picture stored, QWidget* parent);

    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }
    void preparePictures(qreal ratio) const override { m_picture.prepare(pictureSize(), ratio); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // Its picture's natural size at the window's scale.
    QSize pictureSize() const;

    Picture m_picture;
};

}  // namespace ui
