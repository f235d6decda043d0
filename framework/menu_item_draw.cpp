// The plain look of owner-drawn items (items without measure and draw
// handlers of their own): system menu colours, the image or a check mark in
// a box at the leading edge, the caption, the short cut at the far edge.
#include <algorithm>

#include "framework/image_list.h"
#include "framework/menu.h"
#include "framework/menu_item.h"

namespace kestrova::framework {
namespace {

constexpr int kImageBox = 20;  // the leading box for the image or check mark
constexpr int kTextGap = 4;    // between the box and the caption
constexpr int kShortCutGap = 16;

const TImageList* ImagesOf(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  const TImageList* images = menu ? menu->Images() : nullptr;
  return images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count() ? images : nullptr;
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = 0;
    height = 8;
  } else {
    SIZE caption = canvas.TextExtent(caption_);
    std::string short_cut = ShortCutToText(short_cut_);
    width = kImageBox + kTextGap + caption.cx +
            (short_cut.empty() ? 0 : kShortCutGap + canvas.TextWidth(short_cut));
    height = std::max<int>(caption.cy + 4, GetSystemMetrics(SM_CYMENUSIZE));
  }
  OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state,
                                 bool top_level) {
  if (OnAdvancedDrawItem)
    OnAdvancedDrawItem(this, canvas, rect, state);
  else
    DrawPlain(canvas, rect, state, top_level);
}

void TMenuItem::DrawPlain(TCanvas& canvas, const RECT& rect, TOwnerDrawState state,
                          bool top_level) {
  bool selected = state.Contains(TOwnerDrawStateFlag::odSelected);
  bool disabled = state.Contains(TOwnerDrawStateFlag::odDisabled) ||
                  state.Contains(TOwnerDrawStateFlag::odGrayed);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    int y = (rect.top + rect.bottom) / 2;
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(rect.left + 2, y);
    canvas.LineTo(rect.right - 2, y);
    return;
  }
  int box = top_level ? 0 : kImageBox;
  if (!top_level) {
    int y = rect.top + (rect.bottom - rect.top - 16) / 2;
    if (const TImageList* images = ImagesOf(*this)) {
      images->Draw(canvas, rect.left + 2, y, image_index_, !disabled);
    } else if (checked_) {
      RECT mark{rect.left + 2, y, rect.left + 18, y + 16};
      DrawFrameControl(canvas.Handle(), &mark, DFC_MENU,
                       radio_item_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetColor(disabled ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas.Font().SetStyle(default_ ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
  RECT text{rect.left + box + kTextGap, rect.top, rect.right - kTextGap, rect.bottom};
  UINT flags = DT_SINGLELINE | DT_VCENTER | (top_level ? DT_CENTER : DT_LEFT);
  canvas.DrawText(caption_, text, flags);
  if (std::string short_cut = ShortCutToText(short_cut_); !short_cut.empty() && !top_level)
    canvas.DrawText(short_cut, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

}  // namespace kestrova::framework
