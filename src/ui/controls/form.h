#pragma once

#include "ui/pictures/picture.h"

#include <QPoint>
#include <QWidget>

namespace ui {

// The window of a screen, with the screen's background picture, a caption and a close box. It can
// be resized, maximised and shown full screen: the layout's 766 x 478 px client area is shown at
// the largest scale that fits the window whole, centred on the window's own ground, and every
// control stands at its twips times that one scale.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString& caption, Picture background);

    // The scale the layout is shown at, and where its top-left corner lies in the window.
    double scale() const { return m_scale; }
    QPoint origin() const { return m_origin; }
    // The layout's client area as shown.
    QRect stage() const;
    // The scale the window was sized for: a window of just the layout's size at that scale shows
    // it at exactly that scale, not at the one its rounded size gives.
    void setZoomScale(double scale);

signals:
    // The close box of the title bar was pressed; the window stays until its screen unloads.
    void closeRequested();
    // The scale or origin changed: what is placed by hand besides the controls follows.
    void layoutFitted();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab skips controls that are hidden or lie under another.
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Takes the scale and origin from the window's size and places every control anew.
    void fitLayout();

    Picture m_background;
    double m_scale = 1.0;
    double m_zoomScale = 1.0;
    QPoint m_origin;
};

}  // namespace ui
