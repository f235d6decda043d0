// TCheckBox: the system check box; a click (mouse, Space or its accelerator)
// moves it to its next state and runs OnClick.
//
//   auto* c = new TCheckBox(form);
//   c->SetParent(form);
//   c->SetCaption("Set as default screensaver");
//   bool on = c->Checked();
#pragma once

#include "framework/label.h"
#include "framework/win_control.h"

namespace kestrova::framework {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
  KESTROVA_CLASS(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool v) { allow_grayed_ = v; }
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  // Runs OnClick when the state changes (not while a design is read).
  void SetState(TCheckBoxState state);
  void Toggle();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

 private:
  TAlignment alignment_ = TAlignment::taRightJustify;
  bool allow_grayed_ = false;
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

}  // namespace kestrova::framework
