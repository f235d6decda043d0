// Pictures of windows for tests and tools: a whole top-level window with its
// frame, as it is on screen, and PNG files of bitmaps.
//
//   TBitmap shot = CaptureWindow(form->Handle());
//   SaveBitmapToPng(shot, "form.png");
//   TBitmap client; form->PaintTo(client);      // drawn without the screen
#pragma once

#include <windows.h>

#include <string>

#include "framework/bitmap.h"

namespace kestrova::framework {

// Repaints the window (frame and children) and copies it from its window DC.
TBitmap CaptureWindow(HWND window);
// An opaque RGBA PNG (GDI leaves the fourth byte undefined). Raises Error.
void SaveBitmapToPng(const TBitmap& bitmap, const std::string& path);

}  // namespace kestrova::framework
