#pragma once

#include "ui/pictures/picture.h"

#include <QWidget>

namespace ui {

// The window of a screen: a fixed client area of 766 x 478 px with the screen's background
// picture, a caption and a close box, no minimise or maximise box.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString& caption, Picture background);

signals:
    // The close box of the title bar was pressed; the window stays until its screen unloads.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent*) override;
    // Tab skips controls that are hidden or lie under another.
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Picture m_background;
};

}  // namespace ui
