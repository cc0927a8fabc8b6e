#pragma once

#include "clickarea.h"
#include "control.h"
#include "picture.h"

namespace ui {

// A picture at its natural size, or scaled to its rectangle where the layout says so. Without a
// picture it draws nothing, yet still takes the clicks in its rectangle (an invisible click area).
class Image : public ClickArea, public Control {
    Q_OBJECT
public:
    Image(const ControlSpec& row, QWidget* parent);

    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture m_picture;
};

}  // namespace ui
