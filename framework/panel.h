// TCustomPanel: a windowed container with bevels, a border and a centred
// caption, its properties unpublished (a base for panels of other looks).
// TPanel publishes them.
//
//   auto* p = new TPanel(form);
//   p->SetParent(form);
//   p->SetAlign(TAlign::alClient);
//   p->SetBevelOuter(TBevelCut::bvLowered);
#pragma once

#include "framework/custom_control.h"

namespace kestrova::framework {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };

class TCustomPanel : public TCustomControl {
  KESTROVA_CLASS(TCustomPanel)

 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut b);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut b);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int w);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int w);
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle s);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  TAlignment alignment_ = TAlignment::taCenter;
  TBevelCut bevel_inner_ = TBevelCut::bvNone;
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
  int bevel_width_ = 1;
  int border_width_ = 0;
  TBorderStyle border_style_ = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
  KESTROVA_CLASS(TPanel)

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Draws a 3-D frame of `width` pixels inside `r` and shrinks `r` by it.
void Frame3D(TCanvas& canvas, RECT& r, TColor top_left, TColor bottom_right, int width);

}  // namespace kestrova::framework
