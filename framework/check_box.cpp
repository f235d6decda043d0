#include "framework/check_box.h"

#include "framework/class_builder.h"
#include "framework/text.h"

namespace kestrova::framework {

const ClassInfo& TCheckBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCheckBox>("TCheckBox", &TWinControl::StaticClass())
          .Enumeration<TAlignment>("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment,
                                   {"taLeftJustify", "taRightJustify", "taCenter"},
                                   TAlignment::taRightJustify)
          .Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed, false)
          .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false)
          .StoredWhen([](const TCheckBox& c) { return c.State() != TCheckBoxState::cbGrayed; })
          .Enumeration<TCheckBoxState>("State", &TCheckBox::State, &TCheckBox::SetState,
                                       {"cbUnchecked", "cbChecked", "cbGrayed"},
                                       TCheckBoxState::cbUnchecked)
          .StoredWhen([](const TCheckBox& c) { return c.State() == TCheckBoxState::cbGrayed; })
          .Boolean("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop, true)
          .Build();
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks});
  SetTabStop(true);
  SetParentColor(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.window_class = L"BUTTON";
  p.style |= BS_3STATE;
  if (alignment_ == TAlignment::taLeftJustify) p.style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWindowHandle() { SendMessageW(Handle(), BM_SETCHECK, WPARAM(state_), 0); }

void TCheckBox::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  RecreateWnd();
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, WPARAM(state), 0);
  if (!Loading()) Click();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(allow_grayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbChecked);
      break;
  }
}

void TCheckBox::WndProc(TMessage& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wparam) == BN_CLICKED) Toggle();
      return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
      HDC dc = HDC(m.wparam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      Brush().SetColor(Color());
      m.result = LRESULT(Brush().Handle());
      return;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(wchar_t(m.wparam), Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        m.result = 1;
      }
      return;
  }
  TWinControl::WndProc(m);
}

}  // namespace kestrova::framework
