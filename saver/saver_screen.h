// TSaverScreen: the screensaver's movie in a window of its own, drawn by the
// movie control: full screen over one monitor (a topmost popup that hides
// the cursor and ends the screensaver when another program is activated), or
// the preview, a child of another program's window at that window's size
// that follows its size and notices when it goes.
//
//   auto* screen = TSaverScreen::FullScreen(&app, monitorRect);
//   auto* preview = TSaverScreen::Preview(&app, parentWindow);
//   preview->OnGone = [&](TComponent*) { app.Terminate(); };
//   screen->ShowMovie(movie);    // none: the screen stays black
//   screen->Play();
#pragma once

#include <windows.h>

#include "framework/events.h"
#include "framework/timer.h"
#include "movie/control/shockwave_flash.h"

namespace kestrova::saver {

class TSaverScreen : public movie::TShockwaveFlash {
  KESTROVA_CLASS(TSaverScreen)

 public:
  static TSaverScreen* FullScreen(framework::TComponent* owner, const RECT& area);
  static TSaverScreen* Preview(framework::TComponent* owner, HWND parent);

  bool IsPreview() const { return foreign_parent_ != nullptr; }
  // The window is gone: the preview's parent was closed, or another program
  // took over from the full screen.
  framework::TNotifyEvent OnGone;

  void WndProc(framework::TMessage& message) override;

 protected:
  void CreateParams(framework::TCreateParams& params) override;

 private:
  TSaverScreen(framework::TComponent* owner, HWND foreignParent);
  void FollowParent();
  void Gone();

  HWND foreign_parent_;
  framework::TTimer* parent_watch_ = nullptr;
  bool gone_ = false;
};

}  // namespace kestrova::saver
