#pragma once

#include "ui/screen.h"

namespace app {

// The hub: seven picture buttons that open the other screens or end the program.
class MenuScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit MenuScreen(ui::ScreenHost& host);

private:
    void command1Click(int index);
};

}  // namespace app
