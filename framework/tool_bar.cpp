#include "framework/tool_bar.h"

#include <algorithm>

#include "framework/class_builder.h"
#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

constexpr int kEdge = 2;           // each edge border is an etched pair of lines
constexpr int kCaptionMargin = 7;  // either side of a caption

}  // namespace

const ClassInfo& TToolBar::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TToolBar>("TToolBar", &TCustomControl::StaticClass())
          .Boolean("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize, false)
          .Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight, 22)
          .Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth, 23)
          .Set<TEdgeBorder>("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders,
                            {"ebLeft", "ebTop", "ebRight", "ebBottom"},
                            TEdgeBorders{TEdgeBorder::ebTop})
          .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat, false)
          .Component<TImageList>("Images", &TToolBar::Images, &TToolBar::SetImages)
          .Integer("Indent", &TToolBar::Indent, &TToolBar::SetIndent, 0)
          .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions, false)
          .Boolean("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable, true)
          .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
          .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
          .Build();
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  ChangeStyle(TControlStyleFlag::csAcceptsControls, true);
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

int TToolBar::IndexOf(const TToolButton* button) const {
  auto it = std::find(buttons_.begin(), buttons_.end(), button);
  return it == buttons_.end() ? -1 : int(it - buttons_.begin());
}

void TToolBar::InsertButton(TToolButton* button) {
  // At runtime a button goes before the first one that is not left of it (a
  // new button, at 0, goes first); designs give positions, sorted in Loaded.
  size_t at = buttons_.size();
  if (!Loading() && !button->Loading()) {
    at = 0;
    while (at < buttons_.size() && buttons_[at]->Left() < button->Left()) ++at;
  }
  buttons_.insert(buttons_.begin() + at, button);
  ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
  if (hot_button_ == button) hot_button_ = nullptr;
  if (menu_button_ == button) menu_button_ = nullptr;
  if (next_menu_button_ == button) next_menu_button_ = nullptr;
  ArrangeButtons();
}

void TToolBar::Loaded() {
  TCustomControl::Loaded();
  std::stable_sort(buttons_.begin(), buttons_.end(), [](TToolButton* a, TToolButton* b) {
    return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
  });
  ArrangeButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == images_) {
    images_ = nullptr;
    ArrangeButtons();
  }
  if (component == drop_down_) drop_down_ = nullptr;
}

void TToolBar::SetButtonWidth(int width) {
  if (width == button_width_) return;
  button_width_ = width;
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int height) {
  if (height == button_height_) return;
  button_height_ = height;
  ArrangeButtons();
}

void TToolBar::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Invalidate();
}

void TToolBar::SetShowCaptions(bool show) {
  if (show == show_captions_) return;
  show_captions_ = show;
  ArrangeButtons();
}

void TToolBar::SetWrapable(bool wrapable) {
  if (wrapable == wrapable_) return;
  wrapable_ = wrapable;
  ArrangeButtons();
}

void TToolBar::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  ArrangeButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders borders) {
  if (borders == edge_borders_) return;
  edge_borders_ = borders;
  ArrangeButtons();
}

void TToolBar::SetIndent(int indent) {
  if (indent == indent_) return;
  indent_ = indent;
  ArrangeButtons();
}

void TToolBar::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images) FreeNotification(images);
  ArrangeButtons();
}

RECT TToolBar::ContentRect() const {
  RECT r = ClientRect();
  if (edge_borders_.Contains(TEdgeBorder::ebLeft)) r.left += kEdge;
  if (edge_borders_.Contains(TEdgeBorder::ebTop)) r.top += kEdge;
  if (edge_borders_.Contains(TEdgeBorder::ebRight)) r.right -= kEdge;
  if (edge_borders_.Contains(TEdgeBorder::ebBottom)) r.bottom -= kEdge;
  return r;
}

int TToolBar::ButtonWidthFor(const TToolButton& button) {
  if (button.Style() == TToolButtonStyle::tbsSeparator ||
      button.Style() == TToolButtonStyle::tbsDivider)
    return 8;
  if (!button.AutoSize() && !show_captions_) return button_width_;
  int image = images_ ? images_->Width() + 2 * kCaptionMargin : 0;
  int text = 0;
  if (show_captions_ && !button.Caption().empty()) {
    WindowDc screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    RECT r{0, 0, 0, 0};
    canvas.DrawText(button.Caption(), r, DT_SINGLELINE | DT_CALCRECT);
    text = r.right + 2 * kCaptionMargin;
  }
  int fitted = std::max(image, text);
  return button.AutoSize() ? std::max(fitted, 1) : std::max(fitted, button_width_);
}

void TToolBar::ArrangeButtons() {
  if (arranging_ || Loading()) return;
  arranging_ = true;
  RECT area = ContentRect();
  int x = area.left + indent_, y = area.top;
  for (TToolButton* b : buttons_) {
    if (!b->Visible()) continue;
    int w = ButtonWidthFor(*b);
    if (wrapable_ && x > area.left + indent_ && x + w > area.right) {
      x = area.left + indent_;
      y += button_height_;
    }
    b->SetBounds(x, y, w, button_height_);
    x += w;
  }
  arranging_ = false;
  if (auto_size_) {
    int bottom = (y - area.top) + button_height_;
    int edges = (edge_borders_.Contains(TEdgeBorder::ebTop) ? kEdge : 0) +
                (edge_borders_.Contains(TEdgeBorder::ebBottom) ? kEdge : 0);
    if (Height() != bottom + edges) SetHeight(bottom + edges);
  }
  Invalidate();
}

void TToolBar::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_WINDOWPOSCHANGED:
      // After the base handler: the bounds are the window's new ones.
      TCustomControl::WndProc(m);
      ArrangeButtons();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(m);
      ArrangeButtons();
      return;
    case CM_DIALOGCHAR:
      m.result = DialogChar(wchar_t(m.wparam)) ? 1 : 0;
      return;
  }
  TCustomControl::WndProc(m);
}

bool TToolBar::DialogChar(wchar_t key) {
  for (TToolButton* b : buttons_) {
    if (!b->Visible() || !b->Enabled() || !IsAccel(key, b->Caption())) continue;
    if (b->HasDropDown())
      TrackMenu(b);
    else
      b->Click();
    return true;
  }
  return false;
}

void TToolBar::SetHotButton(TToolButton* button) {
  if (button == hot_button_) return;
  if (hot_button_) hot_button_->Invalidate();
  hot_button_ = button;
  if (button) button->Invalidate();
}

TCustomDrawState TToolBar::ButtonState(const TToolButton& b) const {
  TCustomDrawState state;
  if (&b == hot_button_ && b.Enabled()) state.Include(TCustomDrawStateFlag::cdsHot);
  if (&b == menu_button_ || b.Down()) state.Include(TCustomDrawStateFlag::cdsSelected);
  if (b.Down() && b.Style() == TToolButtonStyle::tbsCheck)
    state.Include(TCustomDrawStateFlag::cdsChecked);
  if (!b.Enabled()) state.Include(TCustomDrawStateFlag::cdsDisabled);
  return state;
}

void TToolBar::Paint() {
  bool default_draw = true;
  OnCustomDraw(this, ClientRect(), default_draw);
  if (!default_draw) return;
  DrawEdges();
  for (TToolButton* b : buttons_) {
    if (!b->Visible()) continue;
    TCustomDrawState state = ButtonState(*b);
    bool draw_button = true;
    OnCustomDrawButton(this, b, state, draw_button);
    if (draw_button) DrawButton(*b, state);
  }
}

void TToolBar::DrawEdges() {
  RECT r = ClientRect();
  UINT flags = 0;
  if (edge_borders_.Contains(TEdgeBorder::ebLeft)) flags |= BF_LEFT;
  if (edge_borders_.Contains(TEdgeBorder::ebTop)) flags |= BF_TOP;
  if (edge_borders_.Contains(TEdgeBorder::ebRight)) flags |= BF_RIGHT;
  if (edge_borders_.Contains(TEdgeBorder::ebBottom)) flags |= BF_BOTTOM;
  if (flags) DrawEdge(Canvas().Handle(), &r, EDGE_ETCHED, flags);
}

void TToolBar::DrawButton(TToolButton& b, TCustomDrawState state) {
  TCanvas& c = Canvas();
  RECT r = b.BoundsRect();
  bool selected = state.Contains(TCustomDrawStateFlag::cdsSelected);
  bool hot = state.Contains(TCustomDrawStateFlag::cdsHot);
  bool enabled = !state.Contains(TCustomDrawStateFlag::cdsDisabled);
  if (b.Style() == TToolButtonStyle::tbsSeparator || b.Style() == TToolButtonStyle::tbsDivider) {
    RECT line{(r.left + r.right) / 2 - 1, r.top + 2, (r.left + r.right) / 2 + 1, r.bottom - 2};
    DrawEdge(c.Handle(), &line, EDGE_ETCHED, BF_LEFT);
    return;
  }
  if (selected)
    DrawEdge(c.Handle(), &r, BDR_SUNKENOUTER, BF_RECT);
  else if (!flat_ || (hot && enabled))
    DrawEdge(c.Handle(), &r, BDR_RAISEDINNER, BF_RECT);
  int shift = selected ? 1 : 0;
  RECT text = r;
  OffsetRect(&text, shift, shift);
  if (images_ && b.ImageIndex() >= 0 && b.ImageIndex() < images_->Count()) {
    int x = (r.left + r.right - images_->Width()) / 2 + shift;
    int y = r.top + (show_captions_ ? 3 : (r.bottom - r.top - images_->Height()) / 2) + shift;
    images_->Draw(c, x, y, b.ImageIndex(), enabled);
    text.top = y + images_->Height();
  }
  if (!show_captions_) return;
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.SetFont(Font());
  c.Font().SetColor(enabled ? Font().Color() : clGrayText);
  c.DrawText(b.Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace kestrova::framework
