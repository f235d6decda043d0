// The frame's menu: stored, but shown in no menu bar yet. A frame without a
// menu bar has no strips to paint beside it and no short cuts to route.
#include "framework/main_menu.h"
#include "skin/form/form.h"

namespace kestrova::skin {

using framework::TColor;
using framework::TCustomDrawState;
using framework::TMainMenu;
using framework::TMessage;
using framework::TToolBar;
using framework::TToolButton;

void TsuiForm::SetMenu(TMainMenu* menu) {
  menu_ = menu;
  if (menu) {
    CreateMenuBar();
    UpdateMenuBar();
  } else {
    DestroyMenuBar();
  }
}

int TsuiForm::MenuBarHeight() const { return 0; }

void TsuiForm::SetMenuBarHeight(int height) { menu_bar_height_value_ = height; }

void TsuiForm::SetMenuBarColor(TColor color) { menu_bar_color_ = color; }

void TsuiForm::SetMenuBarToColor(TColor color) { menu_bar_to_color_ = color; }

void TsuiForm::ApplyStyleToMenu() {}

void TsuiForm::DetachMenu() {}

void TsuiForm::FreeMenuBar() { menu_bar_ = nullptr; }

void TsuiForm::CreateMenuBar() {}

void TsuiForm::DestroyMenuBar() { menu_ = nullptr; }

void TsuiForm::UpdateMenuBar() {}

void TsuiForm::UpdateMenuBarItems() {}

void TsuiForm::UpdateMenuBarFont() {}

void TsuiForm::HandleMenuShortCut(TMessage& message) { message.result = 0; }

void TsuiForm::DrawMenuBarButton(TToolBar*, TToolButton*, TCustomDrawState, bool& defaultDraw) {
  defaultDraw = false;
}

void TsuiForm::DrawMenuBarBackground(TToolBar*, const RECT&, bool&) {}

}  // namespace kestrova::skin
