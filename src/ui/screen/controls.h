#pragma once

// Everything a screen needs to declare its layout and drive its controls.
#include "ui/controls/commandbutton.h"
#include "ui/controls/container.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/listbox.h"
#include "ui/controls/mediaplayer.h"
#include "ui/controls/timer.h"
#include "ui/layout/layout.h"
#include "ui/screen/screen.h"
