// TBrush: colour and style of fills, with its GDI brush made on first use
// (the hollow stock brush for bsClear).
//
//   canvas.Brush().SetColor(clBtnFace); canvas.Brush().SetStyle(TBrushStyle::bsClear);
#pragma once

#include <windows.h>

#include "framework/colors.h"
#include "framework/graphics_object.h"
#include "framework/handles.h"

namespace kestrova::framework {

enum class TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TGraphicsObject {
  KESTROVA_CLASS(TBrush)

 public:
  void Assign(const TPersistent& source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // The hollow stock brush for bsClear.
  HBRUSH Handle() const;

 private:
  void DropHandle() override { handle_.Reset(); }
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable BrushHandle handle_;
};

}  // namespace kestrova::framework
