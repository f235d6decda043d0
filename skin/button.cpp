// TsuiButton: the state frame stretched over the button, the glyph in its
// four layouts, the style's transparency and caption colour, and the focus
// mark of each style.
#include "framework/action.h"
#include "framework/action_list.h"
#include "framework/class_builder.h"
#include "framework/image_list.h"
#include "skin/buttons.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"

namespace kestrova::skin {

using namespace framework;

namespace {

constexpr TColor kShadowWhite = 0xFFFFFF;
constexpr TColor kDisabledGrey = 0x808080;

// The glyph's and the caption's top-left corners for one layout.
struct GlyphPlace {
  POINT glyph;
  POINT text;
};

GlyphPlace PlaceGlyph(TButtonLayout layout, SIZE button, SIZE glyph, SIZE text, int spacing) {
  const int w = button.cx, h = button.cy, gw = glyph.cx, gh = glyph.cy;
  const int tw = text.cx, th = text.cy, s = spacing;
  GlyphPlace p{};
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      p.glyph = {(w - gw - tw - s) / 2, (h - gh) / 2};
      p.text = {p.glyph.x + gw + s, (h - th) / 2};
      break;
    case TButtonLayout::blGlyphRight:
      p.glyph = {(w + tw + s - gw) / 2, (h - gh) / 2};
      p.text = {p.glyph.x - tw - s, (h - th) / 2};
      break;
    case TButtonLayout::blGlyphTop:
      p.glyph = {(w - gw) / 2, (h - th - gh - s) / 2};
      p.text = {(w - tw) / 2, p.glyph.y + gh + s};
      break;
    case TButtonLayout::blGlyphBottom:
      p.glyph = {(w - gw) / 2, (h + th + s - gh) / 2};
      p.text = {(w - tw) / 2, p.glyph.y - th - s};
      break;
  }
  return p;
}

// The base's event as the published class's member, for ClassBuilder.
TNotifyEvent TsuiButton::*Own(TNotifyEvent TsuiCustomButton::*event) {
  return static_cast<TNotifyEvent TsuiButton::*>(event);
}

}  // namespace

const ClassInfo& TsuiCustomButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiCustomButton>("TsuiCustomButton", &TCustomControl::StaticClass())
          .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
          .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
          .Build();
  return info;
}

const ClassInfo& TsuiButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiButton>("TsuiButton", &TsuiCustomButton::StaticClass())
          .Component<TsuiFileTheme>("FileTheme", &TsuiButton::FileTheme, &TsuiButton::SetFileTheme)
          .Enumeration<TsuiUIStyle>("UIStyle", &TsuiButton::UIStyle, &TsuiButton::SetUIStyle,
                                    UIStyleNames())
          .Boolean("Cancel", &TsuiButton::Cancel, &TsuiButton::SetCancel, false)
          .Boolean("Default", &TsuiButton::Default, &TsuiButton::SetDefault, false)
          .Boolean("Transparent", &TsuiButton::Transparent, &TsuiButton::SetTransparent)
          .Integer("ModalResult", &TsuiButton::ModalResult, &TsuiButton::SetModalResult, 0)
          .Boolean("AutoSize", &TsuiButton::AutoSize, &TsuiButton::SetAutoSize)
          .Integer("FocusedRectMargin", &TsuiButton::FocusedRectMargin,
                   &TsuiButton::SetFocusedRectMargin)
          .Object("Glyph", &TsuiButton::Glyph)
          .Enumeration<TButtonLayout>(
              "Layout", &TsuiButton::Layout, &TsuiButton::SetLayout,
              {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})
          .Integer("Spacing", &TsuiButton::Spacing, &TsuiButton::SetSpacing)
          .Integer("MouseContinuouslyDownInterval", &TsuiButton::MouseContinuouslyDownInterval,
                   &TsuiButton::SetMouseContinuouslyDownInterval)
          .Event("OnMouseEnter", Own(&TsuiButton::OnMouseEnter))
          .Event("OnMouseExit", Own(&TsuiButton::OnMouseExit))
          .Event("OnMouseContinuouslyDown", Own(&TsuiButton::OnMouseContinuouslyDown))
          .Integer("ResHandle", &TsuiButton::ResHandle, &TsuiButton::SetResHandle)
          .Build();
  return info;
}

TsuiButton::TsuiButton(TComponent* owner) : TsuiCustomButton(owner) {
  SetBounds(Left(), Top(), 80, 27);
  glyph_.OnChange = [this] { Repaint(); };
}

void TsuiButton::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  Repaint();
}

void TsuiButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Repaint();
}

void TsuiButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Repaint();
}

void TsuiButton::UIStyleChanged() {
  TsuiUIStyle style;
  if (UsesFileTheme(style)) {
    SetTransparent(FileTheme()->GetBool(TsuiFileThemeBool{5}));  // SKIN2_BUTTONTRANS
    Font().SetColor(
        TColor(FileTheme()->GetColor(TsuiFileThemeColor{24})));  // SKIN2_BUTTONFONTCOLOR
  } else {
    SetTransparent(GetBuiltInBool(style, entry::kButtonTransparent));
    Font().SetColor(0);
  }
}

void TsuiButton::DrawStatePicture(TCanvas& canvas, TBitmap& picture) {
  canvas.SetFont(Font());
  DrawNinePart(picture, canvas, ClientRect(), PicTransparent());
  if (!glyph_.Empty()) DrawGlyph(canvas);
}

void TsuiButton::DrawGlyph(TCanvas& canvas) {
  int gw = glyph_.Width(), gh = glyph_.Height();
  const bool two_frames = gw == 2 * gh;
  if (two_frames) gw = gh;
  SIZE text = canvas.TextExtent(Caption());
  GlyphPlace place = PlaceGlyph(layout_, SIZE{Width(), Height()}, SIZE{gw, gh}, text, spacing_);
  text_origin_ = place.text;
  if (Pressed()) {
    ++place.glyph.x;
    ++place.glyph.y;
  }
  TImageList images(nullptr);
  images.SetWidth(gw);
  images.SetHeight(gh);
  TBitmap source(glyph_);
  source.SetTransparentMode(TTransparentMode::tmAuto);
  images.AddMasked(source, source.TransparentColor());
  if (two_frames)
    images.Draw(canvas, place.glyph.x, place.glyph.y, Enabled() ? 0 : 1);
  else
    images.Draw(canvas, place.glyph.x, place.glyph.y, 0, Enabled());
}

void TsuiButton::DrawCaption(TCanvas& canvas, const std::string& text) {
  if (glyph_.Empty()) return TsuiCustomButton::DrawCaption(canvas, text);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetFont(Font());
  POINT origin = text_origin_;
  if (!Enabled()) {
    canvas.Font().SetColor(kShadowWhite);
    RECT shadow{origin.x + 1, origin.y + 1, Width(), Height()};
    canvas.DrawText(text, shadow, DT_SINGLELINE | DT_LEFT | DT_TOP);
    canvas.Font().SetColor(kDisabledGrey);
  } else if (Pressed()) {
    ++origin.x;
    ++origin.y;
  }
  RECT r{origin.x, origin.y, Width(), Height()};
  canvas.DrawText(text, r, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void TsuiButton::DrawFocus(TCanvas& canvas) {
  if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass)
    SetBoldCaption(true);
  else
    TsuiCustomButton::DrawFocus(canvas);
}

void TsuiButton::ActionChange(TCustomAction& action) {
  TsuiCustomButton::ActionChange(action);
  TActionList* list = action.ActionList();
  TImageList* images = list ? list->Images() : nullptr;
  if (!glyph_.Empty() || !images || action.ImageIndex() < 0 ||
      action.ImageIndex() >= images->Count())
    return;
  images->GetBitmap(action.ImageIndex(), glyph_);
  Repaint();
}

}  // namespace kestrova::skin
