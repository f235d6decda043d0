// TGraphicControl: a control without a window, drawn by its parent's paint
// on the parent's DC (and given mouse messages by it).
//
//   class TDot : public TGraphicControl {
//     void Paint() override { Canvas().Ellipse(0, 0, Width(), Height()); }
//   };
#pragma once

#include "framework/canvas.h"
#include "framework/control.h"

namespace kestrova::framework {

class TGraphicControl : public TControl {
  KESTROVA_CLASS(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  void WndProc(TMessage& message) override;
  void PaintTo(HDC dc, int x, int y) override;
  using TControl::PaintTo;

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace kestrova::framework
