// TButton: the system push button. Click sets the parent form's ModalResult
// (also when it is 0), then runs OnClick. Enter clicks the focused button,
// or the Default one when the focus is elsewhere; Escape clicks the Cancel one.
//
//   auto* b = new TButton(form);
//   b->SetParent(form);
//   b->SetCaption("&Install");
//   b->OnClick = [](TComponent*) { ... };
#pragma once

#include "framework/win_control.h"

namespace kestrova::framework {

class TButton : public TWinControl {
  KESTROVA_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int v) { modal_result_ = v; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void SetActive(bool active);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  int modal_result_ = 0;
};

}  // namespace kestrova::framework
