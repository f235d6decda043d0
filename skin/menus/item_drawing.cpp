// Measuring and painting a skinned menu's items: the leading bar, the
// background or selection, the caption and short cut, the check mark and
// the image; in MacOS the backgrounds are stretched built-in pictures.
#include <algorithm>

#include "common/error.h"
#include "framework/bitmap.h"
#include "framework/menu.h"
#include "framework/short_cut.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/menus/flat_border.h"
#include "skin/menus/menu_look.h"
#include "skin/styles.h"

namespace kestrova::skin {

using namespace framework;

namespace {

constexpr TColor kDisabledFontColor = 0x808080;
constexpr int kTextGap = 4;          // between the bar and the caption
constexpr int kShortCutGap = 16;     // after the short cut
constexpr int kWidthPadding = 40;    // added to an item's measured width
constexpr int kGlyphTop = 3;         // image and check mark, below the item's top
constexpr int kGlyphFromRight = 20;  // right to left: the glyph's x from the right
constexpr int kMacSelectRows = 20;
constexpr int kMacSeparatorRows = 12;
constexpr TsuiFileThemeColor kFormColorKey{2};  // "SKIN2_FORMCOLOR"

// Rows 0 to `rows` of a built-in picture stretched over `r`; a missing
// picture draws nothing.
void DrawPictureRows(TCanvas& canvas, const RECT& r, const char* name, int rows) {
  TBitmap picture;
  try {
    picture.LoadFromResourceName(nullptr, name);
  } catch (const Error&) {
    return;
  }
  if (picture.Empty()) return;
  canvas.CopyRect(r, picture.Canvas(), {0, 0, picture.Width(), std::min(rows, picture.Height())});
}

void Fill(TCanvas& canvas, const RECT& r, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(r);
}

void Frame(TCanvas& canvas, const RECT& r, TColor color) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FrameRect(r);
}

// A look for items hooked by a skinned menu that now sit in another menu.
class FallbackLook : public TsuiMenuLook {
 public:
  FallbackLook() : TsuiMenuLook(nullptr) { SetUIStyle(TsuiUIStyle::DeepBlue); }

 protected:
  const TImageList* ItemImages() const override { return nullptr; }
  const TImageList& CheckMarks() const override { return SharedCheckMarks(); }
  bool RightToLeft() const override { return false; }
};

const TsuiMenuLook& LookOf(const TMenuItem& item) {
  if (auto* look = dynamic_cast<const TsuiMenuLook*>(item.GetParentMenu())) return *look;
  static const FallbackLook fallback;
  return fallback;
}

void MeasureHooked(TComponent* sender, TCanvas& canvas, int& width, int& height) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender))
    LookOf(*item).MeasureItem(*item, canvas, width, height);
}

void DrawHooked(TComponent* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender))
    LookOf(*item).DrawItem(*item, canvas, rect, state);
}

}  // namespace

// One item's paint, step by step.
struct MenuItemPainter {
  const TsuiMenuLook& look;
  const TMenuItem& item;
  TCanvas& canvas;
  RECT r;
  bool selected;
  bool disabled;
  bool rtl;
  bool theme;
  TsuiUIStyle style;

  bool Mac() const { return !theme && style == TsuiUIStyle::MacOS; }
  int BarWidth() const { return look.bar_width_; }

  void FlatBorder() const {
    if (!look.flat_menu_) return;
    HWND window = WindowFromDC(canvas.Handle());
    if (!window) return;
    TColor highlight = theme ? TColor(look.file_theme_->GetColor(kFormColorKey))
                             : GetBuiltInColor(style, entry::kFormColor);
    DrawFlatMenuBorder(window, highlight);
  }

  // The bar at the leading edge and Color over the rest.
  void BarAndBackground() const {
    RECT bar = r, rest = r;
    if (rtl) {
      bar.left = r.right - BarWidth();
      rest.right = bar.left;
    } else {
      bar.right = r.left + BarWidth();
      rest.left = bar.right;
    }
    if (BarWidth() > 0) {
      if (look.bar_color_ == look.bar_to_color_)
        Fill(canvas, bar, look.bar_color_);
      else
        DrawHorizontalGradient(canvas, bar, look.bar_color_, look.bar_to_color_);
    }
    Fill(canvas, BarWidth() > 0 ? rest : r, look.color_);
  }

  void Background() const {
    if (selected && !disabled) {
      if (Mac()) {
        DrawPictureRows(canvas, r, "MACOS_MENU_SELECT", kMacSelectRows);
      } else {
        Fill(canvas, r, look.selected_color_);
        Frame(canvas, r, look.selected_border_color_);
      }
    } else if (Mac()) {
      DrawPictureRows(canvas, r, "MACOS_MENU_BAR", kMacSelectRows);
    } else {
      BarAndBackground();
    }
  }

  void Separator() const {
    if (Mac()) {
      DrawPictureRows(canvas, r, "MACOS_MENU_BAR", kMacSeparatorRows);
      return;
    }
    BarAndBackground();
    int y = r.top + 2;
    int from = rtl ? r.left + 2 : r.left + BarWidth() + 4;
    int to = rtl ? r.right - BarWidth() - 4 : r.right - 2;
    canvas.Pen().SetColor(look.separator_color_);
    canvas.MoveTo(from, y);
    canvas.LineTo(to, y);
  }

  void Font() const {
    TFont& font = canvas.Font();
    look.ApplyFont(font);
    font.SetColor(disabled   ? kDisabledFontColor
                  : selected ? look.selected_font_color_
                             : look.font_color_);
    TFontStyles styles = font.Style();
    if (item.Default())
      styles.Include(TFontStyle::fsBold);
    else
      styles.Exclude(TFontStyle::fsBold);
    font.SetStyle(styles);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
  }

  void Texts() const {
    RECT caption = rtl ? RECT{r.left + BarWidth(), r.top, r.right - kTextGap, r.bottom}
                       : RECT{r.left + BarWidth() + kTextGap, r.top, r.right, r.bottom};
    canvas.DrawText(item.Caption(), caption,
                    DT_SINGLELINE | DT_VCENTER | (rtl ? DT_RIGHT : DT_LEFT));
    std::string short_cut = ShortCutToText(item.ShortCut());
    if (short_cut.empty()) return;
    RECT place =
        rtl ? RECT{r.left + BarWidth() + kTextGap, r.top, r.right, r.bottom}
            : RECT{r.right - canvas.TextWidth(short_cut) - kShortCutGap, r.top, r.right, r.bottom};
    canvas.DrawText(short_cut, place, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  }

  // The caller's images when the item has a valid one, else none.
  const TImageList* Images() const {
    const TImageList* images = look.ItemImages();
    int index = item.ImageIndex();
    return images && index >= 0 && index < images->Count() ? images : nullptr;
  }

  void Glyphs() const {
    int x = rtl ? r.right - kGlyphFromRight : r.left + 4;
    const TImageList* images = Images();
    if (item.Checked()) {
      if (images) {
        Frame(canvas, {x - 2, r.top + 1, x + 17, r.top + 20}, clBlack);
        Fill(canvas, {x - 1, r.top + 2, x + 16, r.top + 19}, look.selected_color_);
      } else {
        look.CheckMarks().Draw(canvas, x, r.top + kGlyphTop, 0, !disabled);
      }
    }
    if (images) images->Draw(canvas, x, r.top + kGlyphTop, item.ImageIndex(), !disabled);
  }
};

void TsuiMenuLook::MeasureItem(const TMenuItem& item, TCanvas& canvas, int& width,
                               int& height) const {
  const std::string& caption = item.Caption();
  height =
      item.IsLine() ? separator_height_ : std::max(canvas.TextHeight(caption), menu_item_height_);
  width = canvas.TextWidth(caption) + canvas.TextWidth(ShortCutToText(item.ShortCut())) +
          bar_width_ + kWidthPadding;
}

void TsuiMenuLook::DrawItem(const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                            TOwnerDrawState state) const {
  TsuiUIStyle effective;
  bool theme = UsingFileTheme(file_theme_, ui_style_, effective);
  bool disabled = !item.Enabled() || state.Contains(TOwnerDrawStateFlag::odDisabled) ||
                  state.Contains(TOwnerDrawStateFlag::odGrayed);
  MenuItemPainter paint{
      *this,    item,          canvas, rect,     state.Contains(TOwnerDrawStateFlag::odSelected),
      disabled, RightToLeft(), theme,  effective};
  paint.FlatBorder();
  if (item.IsLine()) {
    paint.Separator();
    return;
  }
  paint.Background();
  paint.Font();
  paint.Texts();
  paint.Glyphs();
}

void TsuiMenuLook::HookItems(TMenuItem& item) {
  item.OnMeasureItem = &MeasureHooked;
  item.OnAdvancedDrawItem = &DrawHooked;
  for (int i = 0; i < item.Count(); ++i) HookItems(*item.Items(i));
}

}  // namespace kestrova::skin
