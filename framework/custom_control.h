// TCustomControl: a windowed control that draws itself on its canvas in a
// virtual Paint.
//
//   class TSwatch : public TCustomControl {
//     void Paint() override { Canvas().Brush().SetColor(clRed); Canvas().FillRect(ClientRect()); }
//   };
#pragma once

#include "framework/canvas.h"
#include "framework/win_control.h"

namespace kestrova::framework {

class TCustomControl : public TWinControl {
  KESTROVA_CLASS(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  // Valid during Paint (and whenever the caller gives it a DC).
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

}  // namespace kestrova::framework
