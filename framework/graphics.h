// TFont, TPen and TBrush: drawing attributes with a cached GDI handle that is
// made on first use and dropped on every change: OnChanging runs before the
// old handle goes (a canvas deselects it), OnChange after (users take the new).
//
//   font.SetName("Tahoma"); font.SetHeight(-11); font.SetStyle({TFontStyle::fsBold});
//   SelectObject(dc, font.Handle());
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/colors.h"
#include "framework/handles.h"
#include "framework/persistent.h"
#include "framework/sets.h"

namespace kestrova::framework {

// Base of the three: change notification.
class TGraphicsObject : public TPersistent {
 public:
  std::function<void()> OnChanging;
  std::function<void()> OnChange;

 protected:
  void Changed();
  virtual void DropHandle() = 0;
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = SetOf<TFontStyle>;

class TFont : public TGraphicsObject {
  KESTROVA_CLASS(TFont)

 public:
  TFont() = default;
  TFont(const TFont& other) : TGraphicsObject() { CopyFrom(other); }
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }
  void Assign(const TPersistent& source) override;
  bool SameAs(const TFont& other) const;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Height in pixels: negative is the character height, positive the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Size in points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  HFONT Handle() const;

 private:
  void DropHandle() override { handle_.Reset(); }
  void CopyFrom(const TFont& other);

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  int charset_ = DEFAULT_CHARSET;
  mutable FontHandle handle_;
};

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
