#pragma once

#include "screenid.h"

#include "ui/screen/screen.h"

namespace app {

// The hub: seven picture buttons that open the other screens or end the program.
class MenuScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit MenuScreen(ui::ScreenHost& host);

signals:
    // The menu has unloaded itself and asks for the screen chosen, or for the end.
    void screenChosen(app::ScreenId next);
    void endChosen();

private:
    void destinationChosen(int index);
};

}  // namespace app
