// TLabel: one line (or wrapped lines) of text without a window of its own,
// opaque in its colour or transparent over its parent. "&File" underlines
// F and, pressed as an accelerator, focuses FocusControl.
//
//   auto* l = new TLabel(form);
//   l->SetParent(form);
//   l->SetCaption("Set as &default");
#pragma once

#include "framework/graphic_control.h"

namespace kestrova::framework {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
  KESTROVA_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* c);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void TextChanged() override { AdjustBounds(); }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  UINT TextFlags() const;
  void AdjustBounds();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool auto_size_ = true;
  TWinControl* focus_control_ = nullptr;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool show_accel_char_ = true;
  bool transparent_ = false;
  bool word_wrap_ = false;
};

}  // namespace kestrova::framework
