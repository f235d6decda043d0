#include "framework/panel.h"

#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TCustomPanel::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomPanel>("TCustomPanel", &TCustomControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TPanel::StaticClass() {
  static const std::vector<std::string> kBevels = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
  static const ClassInfo info =
      ClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClass())
          .Enumeration<TAlignment>("Alignment", &TPanel::Alignment, &TPanel::SetAlignment,
                                   {"taLeftJustify", "taRightJustify", "taCenter"},
                                   TAlignment::taCenter)
          .Enumeration<TBevelCut>("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner,
                                  kBevels, TBevelCut::bvNone)
          .Enumeration<TBevelCut>("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter,
                                  kBevels, TBevelCut::bvRaised)
          .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1)
          .Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth, 0)
          .Enumeration<TBorderStyle>("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle,
                                     {"bsNone", "bsSingle"}, TBorderStyle::bsNone)
          .Build();
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  ChangeStyle(TControlStyleFlag::csAcceptsControls, true);
  ChangeStyle(TControlStyleFlag::csOpaque, true);
  ChangeStyle(TControlStyleFlag::csSetCaption, true);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}
void TCustomPanel::SetBevelInner(TBevelCut b) {
  bevel_inner_ = b;
  Invalidate();
}
void TCustomPanel::SetBevelOuter(TBevelCut b) {
  bevel_outer_ = b;
  Invalidate();
}
void TCustomPanel::SetBevelWidth(int w) {
  bevel_width_ = w;
  Invalidate();
}
void TCustomPanel::SetBorderWidth(int w) {
  border_width_ = w;
  Invalidate();
}
void TCustomPanel::SetBorderStyle(TBorderStyle s) {
  if (s == border_style_) return;
  border_style_ = s;
  RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  if (border_style_ == TBorderStyle::bsSingle) p.style |= WS_BORDER;
}

void Frame3D(TCanvas& canvas, RECT& r, TColor top_left, TColor bottom_right, int width) {
  for (int i = 0; i < width; ++i) {
    --r.bottom, --r.right;
    canvas.Pen().SetColor(top_left);
    canvas.Polyline({{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}});
    canvas.Pen().SetColor(bottom_right);
    canvas.Polyline({{r.right, r.top}, {r.right, r.bottom}, {r.left - 1, r.bottom}});
    ++r.left, ++r.top;
  }
}

void TCustomPanel::Paint() {
  TCanvas& c = Canvas();
  RECT r = ClientRect();
  c.Brush().SetColor(Color());
  c.FillRect(r);
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    TColor light = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    TColor dark = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == TBevelCut::bvSpace) light = dark = Color();
    Frame3D(c, r, light, dark, bevel_width_);
  };
  bevel(bevel_outer_);
  InflateRect(&r, -border_width_, -border_width_);
  bevel(bevel_inner_);
  if (Caption().empty()) return;
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | kAlign[int(alignment_)]);
}

}  // namespace kestrova::framework
