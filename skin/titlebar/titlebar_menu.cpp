// TsuiTitleBarPopupMenu: the bar's window menu and its three commands.
#include "skin/titlebar/titlebar_menu.h"

#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/menu_item.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// The window menu's captions, as the program's resource strings give them.
constexpr const char* kMinimizeCaption = "最小化(&N)";
constexpr const char* kMaximizeCaption = "最大化/还原(&X)";
constexpr const char* kCloseCaption = "关闭(&C)";

// How far right a right-to-left window menu opens.
constexpr int kRightToLeftShift = 176;

}  // namespace

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* bar) : TsuiPopupMenu(bar), bar_(bar) {
  SetAutoHotkeys(TMenuAutoFlag::maManual);
  SetPopupComponent(bar);
  AddItem(kMinimizeCaption, [this](TComponent*) { Minimize(); });
  AddItem(kMaximizeCaption, [this](TComponent*) { MaximizeOrRestore(); });
  AddItem("-", nullptr);
  AddItem(kCloseCaption, [this](TComponent*) { CloseForm(); });
}

void TsuiTitleBarPopupMenu::AddItem(const char* caption, TNotifyEvent::Handler click) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  if (click) item->OnClick = std::move(click);
  Items()->Add(item);
}

void TsuiTitleBarPopupMenu::UpdateItems() {
  const TsuiTitleBarButtons& buttons = bar_->Buttons();
  Items()
      ->Items(kMinimizeItem)
      ->SetEnabled(buttons.FindVisible(TsuiTitleBarBtnType::suiMin) != nullptr);
  Items()
      ->Items(kMaximizeItem)
      ->SetEnabled(buttons.FindVisible(TsuiTitleBarBtnType::suiMax) != nullptr);
  Items()
      ->Items(kCloseItem)
      ->SetEnabled(buttons.FindVisible(TsuiTitleBarBtnType::suiClose) != nullptr);
}

void TsuiTitleBarPopupMenu::Popup(int x, int y) {
  if (bar_->RightToLeftReading()) x += kRightToLeftShift;
  UpdateItems();
  TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::Minimize() {
  if (TForm* form = bar_->ParentForm()) MinimizeForm(*form);
}

void TsuiTitleBarPopupMenu::MaximizeOrRestore() {
  TsuiTitleBarButtons& buttons = bar_->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    TsuiTitleBarButton* b = buttons.Items(i);
    if (b->Visible() && b->ButtonType() == TsuiTitleBarBtnType::suiMax) b->PerformAction();
  }
}

void TsuiTitleBarPopupMenu::CloseForm() {
  if (TForm* form = bar_->ParentForm()) form->Close();
}

}  // namespace kestrova::skin
