#include "skin/menus/main_menu.h"

#include "framework/class_builder.h"
#include "framework/form.h"
#include "skin/menus/menu_properties.h"
#include "skin/styles.h"

namespace kestrova::skin {

using namespace framework;

const ClassInfo& TsuiMainMenu::StaticClass() {
  static const ClassInfo info =
      PublishMenuLook(ClassBuilder<TsuiMainMenu>("TsuiMainMenu", &TMainMenu::StaticClass()))
          .Build();
  return info;
}

TsuiMainMenu::TsuiMainMenu(TComponent* owner)
    : TMainMenu(owner), TsuiMenuLook(this), check_marks_(new TImageList(nullptr)) {
  TMainMenu::SetOwnerDraw(true);
  LoadCheckMarks(*check_marks_);
  SetUIStyle(GetOwnerFormUIStyle(owner));
  HookItems(*Items());
  // The skinned frame's menu bar shows the menu, never the window itself.
  if (auto* form = dynamic_cast<TForm*>(owner)) form->SetMenu(nullptr);
}

TsuiMainMenu::~TsuiMainMenu() = default;

void TsuiMainMenu::SetOwnerDraw(bool) {}

void TsuiMainMenu::SetUseSystemFont(bool v) {
  TsuiMenuLook::SetUseSystemFont(v);
  if (host_) host_->UpdateMenuBarFont();
}

void TsuiMainMenu::Loaded() {
  TMainMenu::Loaded();
  HookItems(*Items());
  if (host_) host_->UpdateMenuBar();
}

void TsuiMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TMainMenu::MenuChanged(source, rebuild);
  if (Loading() || Destroying()) return;
  // Items added since the last change are drawn by the menu too.
  HookItems(*Items());
  if (!host_ || !dynamic_cast<TForm*>(Owner())) return;
  host_->UpdateMenuBarItems();
  if (Designing()) host_->UpdateMenuBar();
}

void TsuiMainMenu::Notification(TComponent* component, TOperation operation) {
  TMainMenu::Notification(component, operation);
  LookNotification(component, operation);
  if (operation == TOperation::opInsert)
    if (auto* item = dynamic_cast<TMenuItem*>(component)) HookItems(*item);
}

}  // namespace kestrova::skin
