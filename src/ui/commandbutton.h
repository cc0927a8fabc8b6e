#pragma once

#include "control.h"
#include "picture.h"

#include <QAbstractButton>

namespace ui {

// A graphical push button: its face picture is the whole button. Qt's button gives the click, the
// pushed-in look while the mouse button or Space is held, the focus in tab order and the
// push-button role with its Press action for screen readers; Enter clicks it as well.
class CommandButton : public QAbstractButton, public Control {
    Q_OBJECT
public:
    CommandButton(const ControlSpec& row, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture m_face;
};

}  // namespace ui
