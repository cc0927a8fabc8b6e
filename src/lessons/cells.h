#pragma once

#include "ui/screen/screen.h"

#include <memory>

namespace lessons {

std::unique_ptr<ui::Screen> makeVolta(ui::ScreenHost& host);
std::unique_ptr<ui::Screen> makeDaniell(ui::ScreenHost& host);
std::unique_ptr<ui::Screen> makeManganese(ui::ScreenHost& host);
std::unique_ptr<ui::Screen> makeLead(ui::ScreenHost& host);

}  // namespace lessons
