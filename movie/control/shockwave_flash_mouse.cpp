// TShockwaveFlash's mouse: window messages to the player's mouse in stage
// twips (the inverse of the "show all" mapping), the capture while the
// button is held, the hand cursor over a button, and a redraw of what the
// mouse changed even while the movie is stopped.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "movie/avm1/runtime.h"
#include "movie/control/shockwave_flash.h"

namespace kestrova::movie {

using namespace framework;

swf::TwipsPoint TShockwaveFlash::StagePoint(LPARAM lparam) const {
  RECT client = ClientRect();
  const int width = std::max<int>(client.right - client.left, 1);
  const int height = std::max<int>(client.bottom - client.top, 1);
  const raster::Matrix toStage = ShowAllMatrix(movie_->header.stage, width, height).Inverse();
  // The centre of the pixel the mouse is on.
  const raster::Point p = toStage.Apply({static_cast<float>(GET_X_LPARAM(lparam)) + 0.5f,
                                         static_cast<float>(GET_Y_LPARAM(lparam)) + 0.5f});
  auto twips = [](float v) {
    return swf::Twips{static_cast<int32_t>(std::clamp(std::lround(v), -(1l << 30), 1l << 30))};
  };
  return {twips(p.x), twips(p.y)};
}

// A script that fails in a mouse handler stops the scripts, as in Advance.
template <typename F>
void TShockwaveFlash::MouseToPlayer(F&& f) {
  try {
    f(*player_);
  } catch (const std::exception&) {
    if (runtime_) PlayTimelineOnly();
  }
  RedrawIfChanged();
}

bool TShockwaveFlash::HandleMovieMouse(TMessage& m) {
  if (!player_ || !movie_) return false;
  switch (m.msg) {
    case WM_MOUSEMOVE:
      MouseToPlayer([&](Player& p) { p.MouseMove(StagePoint(m.lparam)); });
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouse_held_ = true;
      SetCapture(Handle());
      MouseToPlayer([&](Player& p) { p.MouseDown(StagePoint(m.lparam)); });
      return false;
    case WM_LBUTTONUP:
      if (!mouse_held_) return false;
      mouse_held_ = false;
      if (GetCapture() == Handle()) ReleaseCapture();
      MouseToPlayer([&](Player& p) { p.MouseUp(StagePoint(m.lparam)); });
      return false;
    case WM_CAPTURECHANGED:
      // Capture taken away while held (another window, a message box): the
      // press ends where the mouse was last, so no button stays down. The
      // capture set again on this window is no loss.
      if (mouse_held_ && reinterpret_cast<HWND>(m.lparam) != Handle()) {
        mouse_held_ = false;
        MouseToPlayer([&](Player& p) { p.MouseUp(p.MousePosition()); });
      }
      return false;
    case WM_MOUSELEAVE:
      if (!mouse_held_) MouseToPlayer([](Player& p) { p.MouseLeave(); });
      return false;
    case WM_SETCURSOR:
      if (LOWORD(m.lparam) == HTCLIENT && player_->OverButton()) {
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */));
        m.result = TRUE;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TShockwaveFlash::RedrawIfChanged() {
  if (!player_ || player_->Changes() == drawn_changes_ || !HandleAllocated()) return;
  HDC dc = GetDC(Handle());
  if (dc) {
    PaintWindow(dc);
    ReleaseDC(Handle(), dc);
  }
}

}  // namespace kestrova::movie
