#pragma once

#include <QPixmap>
#include <QWidget>

namespace bench {

// The least a Qt Widgets program does to show a picture: one 800 x 500 picture in a fixed window,
// painted from a pixmap made once. The baseline Ulmaro is measured against. Made full screen, the
// picture is the display's size and the window covers the display.
class BareWindow : public QWidget {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 500;

    explicit BareWindow(bool fullScreen = false);
    // Shows the window centred on the screen, as Ulmaro shows its screens, or full screen.
    void showOnDisplay();

    // A picture the size of a sliding page of Ulmaro, placed inside the window, for the baseline
    // of a slide; moved by the caller.
    QWidget* addPanel(const QSize& size);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_picture;
    bool m_fullScreen;
};

// The size of the whole display a window goes full screen on.
QSize displaySize();

}  // namespace bench
