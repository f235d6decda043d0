#include "framework/main_menu.h"

#include "framework/class_builder.h"
#include "framework/form.h"

namespace kestrova::framework {

const ClassInfo& TMainMenu::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Build();
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  // A window still showing the bar would destroy it a second time.
  if (window_ && handle_ && GetMenu(window_) == handle_.Get()) ::SetMenu(window_, nullptr);
}

HMENU TMainMenu::Handle() {
  if (!handle_) handle_ = BuildHandle(true);
  return handle_.Get();
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (window_ && window_ != window && handle_ && GetMenu(window_) == handle_.Get())
    ::SetMenu(window_, nullptr);
  window_ = window;
  if (window) {
    ::SetMenu(window, Handle());
    DrawMenuBar(window);
  }
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TMenu::MenuChanged(source, rebuild);
  if (Loading() || Destroying()) return;
  if (rebuild && handle_) {
    // The window takes the new bar before the old one goes.
    MenuHandle fresh = BuildHandle(true);
    if (window_ && GetMenu(window_) == handle_.Get()) ::SetMenu(window_, fresh.Get());
    handle_ = std::move(fresh);
  }
  if (window_) DrawMenuBar(window_);
  if (auto* form = dynamic_cast<TForm*>(Owner()))
    form->Perform(CM_MENUCHANGED, 0, LPARAM(static_cast<TMenu*>(this)));
}

}  // namespace kestrova::framework
