#pragma once

#include "screenid.h"

#include "ui/screen/screen.h"

#include <optional>

namespace app {

// The hub: seven picture buttons that open the other screens or end the program.
class MenuScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit MenuScreen(ui::ScreenHost& host);

    // The next showing puts the focus on the button that leads to `screen`, the one just left;
    // otherwise the menu opens on its title.
    void returnFrom(app::ScreenId screen) { m_returnFrom = screen; }

signals:
    // The menu has unloaded itself and asks for the screen chosen, or for the end.
    void screenChosen(app::ScreenId next);
    void endChosen();

private:
    void activate() override;
    void destinationChosen(int index);

    std::optional<app::ScreenId> m_returnFrom;
};

}  // namespace app
