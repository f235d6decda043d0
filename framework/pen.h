// TPen: colour, width and style of lines, with its GDI pen made on first use.
//
//   canvas.Pen().SetColor(clNavy); canvas.Pen().SetStyle(TPenStyle::psDot);
#pragma once

#include <windows.h>

#include "framework/colors.h"
#include "framework/graphics_object.h"
#include "framework/handles.h"

namespace kestrova::framework {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
  KESTROVA_CLASS(TPen)

 public:
  void Assign(const TPersistent& source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle() const;

 private:
  void DropHandle() override { handle_.Reset(); }
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  mutable PenHandle handle_;
};

}  // namespace kestrova::framework
