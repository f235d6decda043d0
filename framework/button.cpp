#include "framework/button.h"

#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/text.h"

namespace kestrova::framework {

const ClassInfo& TButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TButton>("TButton", &TWinControl::StaticClass())
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
          .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, 0)
          .Boolean("TabStop", &TButton::TabStop, &TButton::SetTabStop, true)
          .Build();
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks});
  SetTabStop(true);
  SetColor(clBtnFace);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.window_class = L"BUTTON";
  p.style |= active_ || default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  default_ = v;
  SetActive(v);
  // The form re-announces its focus, so every button recomputes which is active.
  if (TForm* form = ParentForm(); form && form->ActiveControl())
    form->Perform(CM_FOCUSCHANGED, 0, LPARAM(static_cast<TControl*>(form->ActiveControl())));
}

void TButton::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (HandleAllocated())
    SendMessageW(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TForm* form = ParentForm()) form->SetModalResult(modal_result_);
  TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wparam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((m.wparam == VK_RETURN && active_) || (m.wparam == VK_ESCAPE && cancel_)) &&
          KeyboardShiftState().Empty() && CanFocus()) {
        Click();
        m.result = 1;
      }
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(wchar_t(m.wparam), Caption()) && CanFocus()) {
        Click();
        m.result = 1;
      }
      return;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TControl*>(m.lparam);
      SetActive(dynamic_cast<TButton*>(focused) ? focused == this : default_);
      return;
    }
  }
  TWinControl::WndProc(m);
}

}  // namespace kestrova::framework
