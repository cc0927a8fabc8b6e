#pragma once

#include "ui/controls/clickarea.h"
#include "ui/controls/control.h"
#include "ui/pictures/picture.h"

namespace ui {

// Frame and PictureBox: containers that clip their children. A picture box also draws its picture
// at its top-left corner, unscaled, and takes clicks.
class Container : public ClickArea, public Control {
    Q_OBJECT
public:
    Container(const ControlSpec& row, Picture stored, QWidget* parent);

    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }
    void preparePictures(qreal ratio) const override { m_picture.prepare(m_picture.size(), ratio); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture m_picture;
};

}  // namespace ui
