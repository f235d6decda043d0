// The drawing attributes a canvas uses, each in its own header: TFont
// (font.h), TPen (pen.h), TBrush (brush.h), and their base TGraphicsObject
// (graphics_object.h). Include this one for all three.
#pragma once

#include "framework/brush.h"
#include "framework/font.h"
#include "framework/pen.h"
