#include "skin/menus/popup_menu.h"

#include "framework/class_builder.h"
#include "skin/menus/menu_properties.h"
#include "skin/styles.h"

namespace kestrova::skin {

using namespace framework;

const ClassInfo& TsuiPopupMenu::StaticClass() {
  static const ClassInfo info =
      PublishMenuLook(ClassBuilder<TsuiPopupMenu>("TsuiPopupMenu", &TPopupMenu::StaticClass()))
          .Build();
  return info;
}

TsuiPopupMenu::TsuiPopupMenu(TComponent* owner) : TPopupMenu(owner), TsuiMenuLook(this) {
  TPopupMenu::SetOwnerDraw(true);
  SetUIStyle(GetOwnerFormUIStyle(owner));
  HookItems(*Items());
}

TsuiPopupMenu::~TsuiPopupMenu() = default;

void TsuiPopupMenu::SetOwnerDraw(bool) {}

void TsuiPopupMenu::SetMenuItemHeight(int height) {
  if (UIStyle() != TsuiUIStyle::MacOS) TsuiMenuLook::SetMenuItemHeight(height);
}

const TImageList& TsuiPopupMenu::CheckMarks() const { return SharedCheckMarks(); }

void TsuiPopupMenu::Loaded() {
  TPopupMenu::Loaded();
  HookItems(*Items());
}

void TsuiPopupMenu::DoPopup() {
  if (TMenuItem* shown = ShownItems()) HookItems(*shown);
  TPopupMenu::DoPopup();
}

void TsuiPopupMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TPopupMenu::MenuChanged(source, rebuild);
  if (!Loading() && !Destroying()) HookItems(*Items());
}

void TsuiPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  LookNotification(component, operation);
  if (operation == TOperation::opInsert)
    if (auto* item = dynamic_cast<TMenuItem*>(component)) HookItems(*item);
}

}  // namespace kestrova::skin
