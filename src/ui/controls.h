#pragma once

// Everything a screen needs to declare its layout and drive its controls.
#include "commandbutton.h"
#include "container.h"
#include "image.h"
#include "label.h"
#include "layout.h"
#include "listbox.h"
#include "mediaplayer.h"
#include "screen.h"
#include "timer.h"
