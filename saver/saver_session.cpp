#include "saver/saver_session.h"

#include <vector>

#include "common/error.h"
#include "framework/screen.h"
#include "saver/saver_screen.h"

namespace kestrova::saver {

using namespace framework;

namespace {

// Hides the mouse cursor while it exists (the system counts show/hide).
class HiddenCursor {
 public:
  HiddenCursor() { ShowCursor(FALSE); }
  ~HiddenCursor() { ShowCursor(TRUE); }
  HiddenCursor(const HiddenCursor&) = delete;
  HiddenCursor& operator=(const HiddenCursor&) = delete;
};

void Start(TSaverScreen* screen, const SaverMovie& own, TApplication& app) {
  screen->OnGone = [&app](TComponent*) { app.Terminate(); };
  screen->SetText(app.Title());  // the screensaver's name, for task lists and tests
  try {
    if (own.movie) screen->ShowMovie(own.movie);
  } catch (const Error&) {
    screen->ShowMovie(nullptr);  // a movie the player cannot start: black, like none
  }
  screen->HandleNeeded();
  screen->Play();
}

POINT CursorPosition(const MSG& message) {
  POINT p;
  return GetCursorPos(&p) ? p : message.pt;  // refused on a secure desktop
}

}  // namespace

bool WakesScreen(const MSG& message, WakeRule& rule) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
      // The system is asked where the mouse is: a move message may carry a
      // stale position (Wine's first one does), and screen coordinates are
      // the same for every monitor's window.
      POINT p = CursorPosition(message);
      return rule.MovedFar(p.x, p.y);
    }
    default:
      return false;
  }
}

void RunFullScreen(TApplication& app, const SaverMovie& own) {
  std::vector<TSaverScreen*> screens;
  for (const RECT& monitor : TScreen::MonitorRects()) {
    screens.push_back(TSaverScreen::FullScreen(&app, monitor));
    Start(screens.back(), own, app);
  }
  HiddenCursor hidden;
  SetForegroundWindow(screens.front()->Handle());
  screens.front()->SetFocus();
  WakeRule rule;
  POINT rest{};
  if (GetCursorPos(&rest)) rule.MovedFar(rest.x, rest.y);  // where the mouse rests
  app.OnMessage = [&app, &rule](MSG& message, bool& handled) {
    if (!WakesScreen(message, rule)) return;
    handled = true;
    app.Terminate();
  };
  app.Run();
  app.OnMessage.Clear();
}

bool RunPreview(TApplication& app, const SaverMovie& own, HWND parent) {
  if (!parent || !IsWindow(parent)) return false;
  Start(TSaverScreen::Preview(&app, parent), own, app);
  app.Run();
  return true;
}

}  // namespace kestrova::saver
