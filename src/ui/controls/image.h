#pragma once

#include "ui/controls/clickarea.h"
#include "ui/controls/control.h"
#include "ui/pictures/picture.h"

namespace ui {

// A picture at its natural size, or scaled to its rectangle where the layout says so. Without a
// picture it draws nothing, yet still takes the clicks in its rectangle (an invisible click area).
class Image : public ClickArea, public Control {
    Q_OBJECT
public:
    Image(const ControlSpec& row, Picture stored, QWidget* parent);

    void setPicture(Picture picture);
    const Picture& picture() const { return m_picture; }

    // A click area that is a switch tells screen readers whether it is on.
    bool isChecked() const { return m_checked; }
    void setChecked(bool on);

    void preparePictures(qreal ratio) const override { m_picture.prepare(size(), ratio); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture m_picture;
    bool m_checked = false;
};

}  // namespace ui
