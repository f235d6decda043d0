// The frame around the client area, painted on the whole-window DC: the top
// rows and side strips cut from the title pictures, the border lines and the
// inner strips (built-in styles), or the skin's border pictures.
#include <algorithm>

#include "framework/canvas.h"
#include "framework/handles.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "skin/form/form_keys.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using framework::TBitmap;
using framework::TCanvas;
using framework::TColor;
using framework::WindowDc;

namespace {

void Fill(TCanvas& canvas, const RECT& r, TColor color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  canvas.Brush().SetColor(color);
  canvas.FillRect(r);
}

int WidthOf(const TBitmap* b) { return b ? b->Width() : 0; }
int HeightOf(const TBitmap* b) { return b ? b->Height() : 0; }

}  // namespace

void TsuiForm::PaintFormBorder() {
  if (destroying_ || !owner_form_ || !owner_form_->HandleAllocated()) return;
  if (Minimized() && !Designing()) return;
  HWND window = owner_form_->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  WindowDc dc(window, WindowDc::kWholeWindow);
  TCanvas canvas(dc.Get());
  TsuiUIStyle effective;
  if (UsingFileTheme(file_theme_, ui_style_, effective))
    PaintFileThemeBorder(canvas, width, height);
  else
    PaintBuiltInBorder(canvas, width, height);
}

void TsuiForm::PaintLikeMenuBar(TCanvas& canvas, const RECT& rect) {
  if (menu_bar_to_color_ == menu_bar_color_)
    Fill(canvas, rect, menu_bar_color_);
  else
    DrawVerticalGradient(canvas, rect, menu_bar_color_, menu_bar_to_color_);
}

void TsuiForm::PaintBuiltInBorder(TCanvas& canvas, int width, int height) {
  const int bw = border_width_;
  if (title_bar_ && title_bar_->Visible()) {
    if (title_bar_->HasStandardSections()) PaintBuiltInTop(canvas, width);
  } else {
    Fill(canvas, RECT{0, 0, width, 1}, border_color_);
    Fill(canvas, RECT{bw, 1, width - bw, 3}, Color());
  }
  Fill(canvas, RECT{0, 0, bw, height}, border_color_);
  Fill(canvas, RECT{0, height - bw, width, height}, border_color_);
  Fill(canvas, RECT{width - bw, 0, width, height}, border_color_);
  if (bw < 4) PaintInnerStrips(canvas, width, height);
}

// The title pictures continue under the frame: the left picture's first
// columns beside the bar on the left, the right picture's last ones on the
// right, and the top three rows of the whole row of sections.
void TsuiForm::PaintBuiltInTop(TCanvas& canvas, int width) {
  TBitmap* left = title_bar_->GetTitleImage(0);
  TBitmap* right = title_bar_->GetTitleImage(1);
  TBitmap* client = title_bar_->GetTitleImage(2);
  if (!left || !right || !client) return;
  const int bw = border_width_;
  // The pictures change only with a new composition of the bar.
  const TopKey key{width, bw, title_bar_->Compositions()};
  if (!top_kept_ || !(key == top_key_)) {
    ComposeBuiltInTop(*left, *right, *client, width);
    top_key_ = key;
    top_kept_ = true;
  }
  if (bw < 3) {
    canvas.Draw(bw, 0, top_left_);
    canvas.Draw(width - 3, 0, top_right_);
  }
  canvas.Draw(2, 0, top_row_);
  if (bw == 1 && RoundCorner() == 11 && !Designing()) PaintCornerArcs(canvas, width);
}

void TsuiForm::ComposeBuiltInTop(TBitmap& left, TBitmap& right, TBitmap& client, int width) {
  const int bw = border_width_;
  if (bw < 3) {
    top_left_ = TBitmap(3 - bw, left.Height());
    top_left_.Canvas().Draw(0, 0, left);
    // The right corner is drawn over the left one's pixels.
    top_right_ = top_left_;
    if (right.Width() >= 3)
      top_right_.Canvas().Draw(2 - right.Width(), 0, right);
    else
      top_right_.Canvas().StretchDraw(RECT{0, 0, top_right_.Width(), top_right_.Height()}, right);
  }
  top_row_ = TBitmap(width - 5, 3);
  top_row_.Canvas().Draw(-2, 0, left);
  top_row_.Canvas().Draw(top_row_.Width() - right.Width() + 3, 0, right);
  top_row_.Canvas().StretchDraw(
      RECT{left.Width() - 2, 0, top_row_.Width() - right.Width() + 3, client.Height()}, client);
}

// The frame line follows the rounded top corners of the region.
void TsuiForm::PaintCornerArcs(TCanvas& canvas, int width) {
  const int rc = RoundCorner();
  canvas.Pen().SetColor(border_color_);
  canvas.Arc(width - 2 * rc + 1, -1, width + 1, 2 * rc - 1, width + 1, rc - 1, width - rc + 1, -1);
  canvas.Arc(-1, -1, 2 * rc - 1, 2 * rc - 1, rc - 1, -1, -1, rc - 1);
}

void TsuiForm::PaintInnerStrips(TCanvas& canvas, int width, int height) {
  const int bw = border_width_;
  const int t = GetTitleAreaHeight(), m = MenuBarHeight();
  Fill(canvas, RECT{bw, height - 2, width - bw, height - bw}, Color());
  Fill(canvas, RECT{bw, t + m, 3, height - bw}, Color());
  Fill(canvas, RECT{width - 3, t + m, width - bw, height - bw}, Color());
  if (m > 0) {
    PaintLikeMenuBar(canvas, RECT{bw, t, 3, t + m});
    PaintLikeMenuBar(canvas, RECT{width - 3, t, width - bw, t + m});
  }
}

void TsuiForm::PaintFileThemeBorder(TCanvas& canvas, int width, int height) {
  if (title_bar_ && title_bar_->Visible() && title_bar_->HasStandardSections()) {
    if (TBitmap* back = title_bar_->GetTitleImage(-2)) {
      const int lw = std::max(left_border_width_, 4), rw = std::max(right_border_width_, 4);
      const TCanvas& from = back->Canvas();
      canvas.CopyRect(RECT{0, 0, lw, back->Height()}, from, RECT{0, 0, lw, back->Height()});
      canvas.CopyRect(RECT{0, 0, back->Width(), 3}, from, RECT{0, 0, back->Width(), 3});
      canvas.CopyRect(RECT{width - rw, 0, width, back->Height()}, from,
                      RECT{back->Width() - rw, 0, back->Width(), back->Height()});
    }
  }
  PaintFileThemeSides(canvas, width, height);
  PaintFileThemeBottom(canvas, width, height);
}

void TsuiForm::PaintFileThemeSides(TCanvas& canvas, int width, int height) {
  namespace k = form_keys;
  const TColor formColor = TColor(file_theme_->GetColor(k::kFormColor));
  const int a = GetTitleAreaHeight(), m = MenuBarHeight();
  const int titleHeight = title_bar_ ? title_bar_->Height() : 0;
  const int bottom = height - bottom_border_height_;
  const TBitmap* left = file_theme_->GetBitmap(k::kLeftBorder);
  const int lw = WidthOf(left);
  if (left) canvas.StretchDraw(RECT{0, a, lw, bottom}, *left);
  if (lw < 4) {
    Fill(canvas, RECT{lw, a, 4, bottom}, formColor);
    if (m > 0) PaintLikeMenuBar(canvas, RECT{lw, titleHeight + 3, 4, titleHeight + m + 3});
  }
  const TBitmap* right = file_theme_->GetBitmap(k::kRightBorder);
  const int rw = WidthOf(right);
  if (right) canvas.StretchDraw(RECT{width - rw, a, width, bottom}, *right);
  if (rw < 4) {
    Fill(canvas, RECT{width - 4, a, width - rw, bottom}, formColor);
    if (m > 0)
      PaintLikeMenuBar(canvas, RECT{width - 4, titleHeight + 3, width - rw, titleHeight + m + 3});
  }
}

void TsuiForm::PaintFileThemeBottom(TCanvas& canvas, int width, int height) {
  namespace k = form_keys;
  const TColor formColor = TColor(file_theme_->GetColor(k::kFormColor));
  const TBitmap* first = file_theme_->GetBitmap(k::kBottomBorder1);
  const int h = HeightOf(first);
  bottom_border_bitmap_.SetSize(width, h);
  if (first) {
    TCanvas& target = bottom_border_bitmap_.Canvas();
    if (file_theme_->GetBool(k::kBottomThreeSections)) {
      const TBitmap* middle = file_theme_->GetBitmap(k::kBottomBorder2);
      const TBitmap* last = file_theme_->GetBitmap(k::kBottomBorder3);
      target.Draw(0, 0, *first);
      if (last) target.Draw(width - last->Width(), 0, *last);
      if (middle) target.StretchDraw(RECT{first->Width(), 0, width - WidthOf(last), h}, *middle);
    } else {
      TBitmap picture(*first);
      DrawThreePart(picture, target, RECT{0, 0, width, h}, 0, false);
    }
  }
  const int top = height - bottom_border_height_;
  if (bottom_need_region_) {
    TBitmap composed(width, h);
    Fill(composed.Canvas(), RECT{0, 0, width, h}, formColor);
    composed.Canvas().Draw(0, 0, bottom_border_bitmap_);
    canvas.Draw(0, top, composed);
  } else {
    canvas.Draw(0, top, bottom_border_bitmap_);
  }
  if (bottom_border_height_ < 4)
    Fill(canvas, RECT{left_border_width_, height - 4, width - right_border_width_, top}, formColor);
}

}  // namespace kestrova::skin
