#pragma once

#include "ui/screen/screen.h"

namespace drill {

// Between the menu and the drill: the introduction and the start button.
class DrillStartScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit DrillStartScreen(ui::ScreenHost& host);

signals:
    void drillRequested();  // the screen has unloaded itself

private:
    void load() override;
    void activate() override;
    void startPressed();
};

}  // namespace drill
