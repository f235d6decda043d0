// The flat border of an open skinned menu: a black and a white frame and a
// line in the highlight colour, drawn over the menu window on the screen.
#pragma once

#include <windows.h>

#include "framework/colors.h"

namespace kestrova::skin {

void DrawFlatMenuBorder(HWND menu_window, framework::TColor highlight);

}  // namespace kestrova::skin
