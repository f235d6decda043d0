#include "framework/label.h"

#include "framework/class_builder.h"
#include "framework/handles.h"
#include "framework/text.h"
#include "framework/win_control.h"

namespace kestrova::framework {

const ClassInfo& TLabel::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
          .Enumeration<TAlignment>("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                                   {"taLeftJustify", "taRightJustify", "taCenter"},
                                   TAlignment::taLeftJustify)
          .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
          .Component<TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
          .Enumeration<TTextLayout>("Layout", &TLabel::Layout, &TLabel::SetLayout,
                                    {"tlTop", "tlCenter", "tlBottom"}, TTextLayout::tlTop)
          .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true)
          .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
          .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
          .Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}

void TLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* c) {
  if (focus_control_) focus_control_->RemoveFreeNotification(this);
  focus_control_ = c;
  if (c) c->FreeNotification(this);
}

void TLabel::SetLayout(TTextLayout l) {
  layout_ = l;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
  show_accel_char_ = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool v) {
  transparent_ = v;
  ChangeStyle(TControlStyleFlag::csOpaque, !v);
  Invalidate();
}

void TLabel::SetWordWrap(bool v) {
  word_wrap_ = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TLabel::TextFlags() const {
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlign[int(alignment_)];
  flags |= word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || Loading()) return;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  TCanvas canvas(dc.Get());
  canvas.SetFont(Font());
  RECT r{0, 0, word_wrap_ ? Width() : 0, 0};
  std::string text = Caption().empty() ? std::string(" ") : Caption();
  canvas.DrawText(text, r, TextFlags() | DT_CALCRECT);
  int left = Left();
  if (alignment_ == TAlignment::taRightJustify) left += Width() - r.right;
  if (alignment_ == TAlignment::taCenter) left += (Width() - r.right) / 2;
  SetBounds(left, Top(), r.right, r.bottom);
}

void TLabel::Paint() {
  TCanvas& c = Canvas();
  RECT r = ClientRect();
  if (!transparent_) {
    c.Brush().SetColor(Color());
    c.FillRect(r);
  }
  c.Brush().SetStyle(TBrushStyle::bsClear);
  UINT flags = TextFlags();
  if (layout_ != TTextLayout::tlTop) {
    RECT calc = r;
    c.DrawText(Caption(), calc, flags | DT_CALCRECT);
    int free = (r.bottom - r.top) - (calc.bottom - calc.top);
    r.top += layout_ == TTextLayout::tlCenter ? free / 2 : free;
  }
  if (!Enabled()) {
    RECT shadow = r;
    OffsetRect(&shadow, 1, 1);
    c.Font().SetColor(clBtnHighlight);
    c.DrawText(Caption(), shadow, flags);
    c.Font().SetColor(clBtnShadow);
  }
  c.DrawText(Caption(), r, flags);
}

void TLabel::WndProc(TMessage& m) {
  if (m.msg == CM_DIALOGCHAR) {
    if (focus_control_ && Enabled() && show_accel_char_ && IsAccel(wchar_t(m.wparam), Caption()) &&
        focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      m.result = 1;
    }
    return;
  }
  TGraphicControl::WndProc(m);
}

}  // namespace kestrova::framework
