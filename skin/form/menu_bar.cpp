#include "skin/form/menu_bar.h"

#include "framework/class_builder.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "skin/form/form.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// Bit 29 of a character message's key data: Alt was held.
constexpr LPARAM kAltHeld = LPARAM(1) << 29;

}  // namespace

const ClassInfo& TsuiMenuBar::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiMenuBar>("TsuiMenuBar", &TToolBar::StaticClass()).Build();
  return info;
}

TsuiMenuBar::TsuiMenuBar(TsuiForm* form) : TToolBar(form), form_(form) {}

bool TsuiMenuBar::HasHighlightedButton() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->Tag() == kHighlightedButtonTag) return true;
  return false;
}

void TsuiMenuBar::WndProc(TMessage& m) {
  // A plain letter opens a menu only while a button is lit.
  if (m.msg == CM_DIALOGCHAR && !(m.lparam & kAltHeld) && !HasHighlightedButton()) {
    m.result = 0;
    return;
  }
  TToolBar::WndProc(m);
}

void TsuiMenuBar::Notification(TComponent* component, TOperation operation) {
  TToolBar::Notification(component, operation);
  if (operation != TOperation::opInsert || component->Owner() != this) return;
  if (auto* popup = dynamic_cast<TPopupMenu*>(component))
    popup->OnPopup = [this](TComponent* sender) { DropDownPopup(sender); };
}

void TsuiMenuBar::DropDownPopup(TComponent* sender) {
  auto* popup = dynamic_cast<TPopupMenu*>(sender);
  if (popup && form_ && form_->Menu()) popup->SetAutoHotkeys(form_->Menu()->AutoHotkeys());
}

}  // namespace kestrova::skin
