#include "saver/saver_screen.h"

#include "framework/class_builder.h"
#include "framework/colors.h"

namespace kestrova::saver {

using namespace framework;

namespace {
// How often the preview checks its parent (size, still there): cheap, and a
// parent that goes without destroying its children is still noticed.
constexpr int kParentWatchInterval = 250;
}  // namespace

const ClassInfo& TSaverScreen::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TSaverScreen>("TSaverScreen", &movie::TShockwaveFlash::StaticClass()).Build();
  return info;
}

TSaverScreen::TSaverScreen(TComponent* owner, HWND foreignParent)
    : TShockwaveFlash(owner), foreign_parent_(foreignParent) {
  SetColor(clBlack);
}

TSaverScreen* TSaverScreen::FullScreen(TComponent* owner, const RECT& area) {
  auto* screen = new TSaverScreen(owner, nullptr);
  screen->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  return screen;
}

TSaverScreen* TSaverScreen::Preview(TComponent* owner, HWND parent) {
  auto* screen = new TSaverScreen(owner, parent);
  RECT client{};
  GetClientRect(parent, &client);
  screen->SetBounds(0, 0, client.right, client.bottom);
  screen->parent_watch_ = new TTimer(screen);
  screen->parent_watch_->SetInterval(kParentWatchInterval);
  screen->parent_watch_->OnTimer = [screen](TComponent*) { screen->FollowParent(); };
  return screen;
}

void TSaverScreen::CreateParams(TCreateParams& params) {
  TShockwaveFlash::CreateParams(params);
  if (foreign_parent_) {
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    params.parent = foreign_parent_;
  } else {
    params.style = WS_POPUP | WS_VISIBLE;
    params.ex_style = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;  // no task bar button
    params.parent = nullptr;
  }
}

void TSaverScreen::FollowParent() {
  if (!IsWindow(foreign_parent_)) {
    Gone();
    return;
  }
  RECT client{};
  GetClientRect(foreign_parent_, &client);
  if (client.right != Width() || client.bottom != Height())
    SetBounds(0, 0, client.right, client.bottom);
}

void TSaverScreen::Gone() {
  if (gone_) return;
  gone_ = true;
  if (parent_watch_) parent_watch_->SetEnabled(false);
  OnGone(this);
}

void TSaverScreen::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_SETCURSOR:
      if (IsPreview()) break;
      SetCursor(nullptr);
      message.result = TRUE;
      return;
    case WM_ACTIVATEAPP:
      if (!IsPreview() && !message.wparam) Gone();
      break;
    case WM_SYSCOMMAND:
      // Already running: the system's own idle timer must not start another.
      if ((message.wparam & 0xFFF0) == SC_SCREENSAVE) {
        message.result = 0;
        return;
      }
      break;
    case WM_DESTROY:
      Gone();
      break;
  }
  TShockwaveFlash::WndProc(message);
}

}  // namespace kestrova::saver
