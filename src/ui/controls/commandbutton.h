#pragma once

#include "ui/controls/control.h"
#include "ui/pictures/picture.h"

#include <QAbstractButton>

namespace ui {

// A graphical push button: its face picture is the whole button. Qt's button gives the click, the
// pushed-in look while the mouse button or Space is held, the focus in tab order and the
// push-button role with its Press action for screen readers; Enter clicks it as well. While it has
// the keyboard focus a ring is drawn inside its edge, black or white, whichever stands out more
// from the face beneath it.
class CommandButton : public QAbstractButton, public Control {
    Q_OBJECT
public:
    CommandButton(const ControlSpec& row, Picture face, QWidget* parent);

    void preparePictures(qreal ratio) const override { m_face.prepare(size(), ratio); }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor ringColour();

    Picture m_face;
    QColor m_ringColour;  // chosen at the first focus, from the face at the button's size
};

}  // namespace ui
