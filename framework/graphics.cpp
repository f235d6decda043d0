#include "framework/graphics.h"

#include "framework/class_builder.h"
#include "framework/text.h"

namespace kestrova::framework {

void TGraphicsObject::Changed() {
  if (OnChanging) OnChanging();
  DropHandle();
  if (OnChange) OnChange();
}

const ClassInfo& TFont::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
          .Integer("Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET,
                   {{"ANSI_CHARSET", ANSI_CHARSET},
                    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
                    {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
                    {"HANGEUL_CHARSET", HANGEUL_CHARSET},
                    {"GB2312_CHARSET", GB2312_CHARSET},
                    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
                    {"OEM_CHARSET", OEM_CHARSET},
                    {"GREEK_CHARSET", GREEK_CHARSET},
                    {"TURKISH_CHARSET", TURKISH_CHARSET},
                    {"HEBREW_CHARSET", HEBREW_CHARSET},
                    {"ARABIC_CHARSET", ARABIC_CHARSET},
                    {"BALTIC_CHARSET", BALTIC_CHARSET},
                    {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
                    {"THAI_CHARSET", THAI_CHARSET},
                    {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET}})
          .Color("Color", &TFont::Color, &TFont::SetColor, clWindowText)
          .Integer("Height", &TFont::Height, &TFont::SetHeight)
          .String("Name", &TFont::Name, &TFont::SetName)
          .Integer("Size", &TFont::Size, &TFont::SetSize)
          .StoredWhen([](const TFont&) { return false; })
          .Set<TFontStyle>("Style", &TFont::Style, &TFont::SetStyle,
                           {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, TFontStyles{})
          .Build();
  return info;
}

void TFont::CopyFrom(const TFont& o) {
  name_ = o.name_;
  height_ = o.height_;
  color_ = o.color_;
  style_ = o.style_;
  charset_ = o.charset_;
}

void TFont::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TFont*>(&source);
  if (!o) return TPersistent::Assign(source);
  if (SameAs(*o)) return;
  CopyFrom(*o);
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
         charset_ == o.charset_;
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(TFontStyle::fsItalic);
    lf.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
    lf.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
    lf.lfCharSet = BYTE(charset_);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::wstring face = Widen(name_);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    wcscpy(lf.lfFaceName, face.c_str());
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

const ClassInfo& TPen::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TPen>("TPen", &TPersistent::StaticClass())
          .Color("Color", &TPen::Color, &TPen::SetColor, clBlack)
          .Enumeration<TPenStyle>("Style", &TPen::Style, &TPen::SetStyle,
                                  {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                   "psClear", "psInsideFrame"},
                                  TPenStyle::psSolid)
          .Integer("Width", &TPen::Width, &TPen::SetWidth, 1)
          .Build();
  return info;
}

void TPen::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TPen*>(&source);
  if (!o) return TPersistent::Assign(source);
  color_ = o->color_;
  width_ = o->width_;
  style_ = o->style_;
  Changed();
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() const {
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                      PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_.Reset(CreatePen(kStyles[int(style_)], width_, ColorToRGB(color_)));
  }
  return handle_.Get();
}

const ClassInfo& TBrush::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TBrush>("TBrush", &TPersistent::StaticClass())
          .Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite)
          .Enumeration<TBrushStyle>("Style", &TBrush::Style, &TBrush::SetStyle,
                                    {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                     "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"},
                                    TBrushStyle::bsSolid)
          .Build();
  return info;
}

void TBrush::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TBrush*>(&source);
  if (!o) return TPersistent::Assign(source);
  color_ = o->color_;
  style_ = o->style_;
  Changed();
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != TBrushStyle::bsClear) return;
  color_ = color;
  if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return HBRUSH(GetStockObject(NULL_BRUSH));
  if (!handle_) {
    static constexpr int kHatches[] = {
        0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    COLORREF rgb = ColorToRGB(color_);
    handle_.Reset(style_ == TBrushStyle::bsSolid ? CreateSolidBrush(rgb)
                                                 : CreateHatchBrush(kHatches[int(style_)], rgb));
  }
  return handle_.Get();
}

}  // namespace kestrova::framework
