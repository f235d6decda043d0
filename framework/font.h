// TFont: a font's name, height, colour, style and character set, with its
// GDI font made on first use.
//
//   font.SetName("Tahoma"); font.SetHeight(-11); font.SetStyle({TFontStyle::fsBold});
//   SelectObject(dc, font.Handle());
#pragma once

#include <windows.h>

#include <string>

#include "framework/colors.h"
#include "framework/graphics_object.h"
#include "framework/handles.h"
#include "framework/sets.h"

namespace kestrova::framework {

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

}  // namespace kestrova::framework
