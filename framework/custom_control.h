// TCustomControl: a windowed control that draws itself on its canvas in a
// virtual Paint.
//
//   class TSwatch : public TCustomControl {
//     void Paint() override { Canvas().Brush().SetColor(clRed); Canvas().FillRect(ClientRect()); }
//   };
//
// Outside Paint the canvas draws on the window's DC (GetDC), got when first
// needed and given back once the message being handled is done.
#pragma once

#include "framework/canvas.h"
#include "framework/win_control.h"

namespace kestrova::framework {

class TCustomControl : public TWinControl {
  KESTROVA_CLASS(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  // Paint's DC during Paint; outside it the window's (needs a window).
  TCanvas& Canvas() { return canvas_; }
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
  HWND canvas_window_ = nullptr;  // whose DC the canvas got outside Paint
  int message_depth_ = 0;
};

}  // namespace kestrova::framework
