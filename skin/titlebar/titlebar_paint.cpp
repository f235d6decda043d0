// TsuiTitleBar's paint: the section row (on the bar and as the window-wide
// RegionImage and BackImage), then the title buttons, the icon or control
// box and the caption, composed off screen and copied in one blit.
#include <windows.h>

#include <algorithm>

#include "framework/application.h"
#include "framework/form.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// Insets of the section row on a skinned form whose frame gives no width.
constexpr int kDefaultFrameInset = 3;
// Room the caption section leaves around its text.
constexpr int kCaptionSectionMargin = 21;
constexpr int kCaptionSectionPadding = 17;
constexpr int kAppIconSize = 16;
constexpr int kAppIconIndent = 3;
constexpr int kAppIconAdvance = 21;
constexpr int kControlBoxGap = 5;
constexpr int kCaptionIndentWithoutIcon = 6;
constexpr int kRightToLeftCaptionGap = 10;
constexpr int kProteinCaptionDrop = 3;
constexpr const char* kEllipsis = "...";

// The text without its last (UTF-8) character.
void DropLastCharacter(std::string& text) {
  if (text.empty()) return;
  size_t end = text.size() - 1;
  while (end > 0 && (uint8_t(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
}

// The caption cut from the end until it fits `limit` with "..." after it.
std::string ShortenCaption(TCanvas& canvas, std::string text, int limit) {
  while (!text.empty() && canvas.TextWidth(text + kEllipsis) > limit) DropLastCharacter(text);
  return text + kEllipsis;
}

void DrawIconOf(TCanvas& canvas, int x, int y) {
  TIcon fallback;
  TIcon* icon = nullptr;
  if (TApplication* app = TApplication::Current()) {
    icon = &app->Icon();
  } else {
    try {
      fallback.LoadFromResourceName(nullptr, "MAINICON");
      icon = &fallback;
    } catch (const std::exception&) {
      return;  // a program without an icon shows none
    }
  }
  HICON handle = icon->SmallHandle() ? icon->SmallHandle() : icon->Handle();
  if (handle)
    DrawIconEx(canvas.Handle(), x, y, handle, kAppIconSize, kAppIconSize, 0, nullptr, DI_NORMAL);
}

}  // namespace

void TsuiTitleBar::Paint() {
  ++compositions_;
  bar_kept_ = false;
  bar_has_caption_section_ = false;
  if (Destroying() || Width() <= 0 || Height() <= 0) return;
  const BarKey key = CurrentBarKey();
  bar_ = TBitmap(Width(), Height());
  bar_.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  bar_.Canvas().SetFont(Font());
  DrawSections(bar_);
  DrawButtonsAndCaption(bar_);
  bar_key_ = key;
  bar_kept_ = true;
  ShowOnScreen(bar_);
}

TsuiTitleBar::BarKey TsuiTitleBar::CurrentBarKey() const {
  BarKey key;
  key.width = Width();
  key.height = Height();
  POINT mouse{INT_MIN / 2, INT_MIN / 2};
  if (HandleAllocated() && GetCursorPos(&mouse)) mouse = ScreenToClient(mouse);
  key.mouse_x = mouse.x;
  key.mouse_y = mouse.y;
  key.mouse_down = mouse_is_down_;
  key.active = form_active_;
  key.right_to_left = RightToLeftReading();
  key.frame_width = QueryFrameWidth();
  key.theme = ThemeVersion(file_theme_);
  key.form_color = form_color_;
  key.caption = Caption();
  return key;
}

// Dragging or uncovering the window repaints the bar many times over with
// nothing in it changed: one blit of the bar as last composed. The frame's
// border is painted again as composing would have.
void TsuiTitleBar::PaintWindow(HDC dc) {
  if (!bar_kept_ || Destroying() || !(bar_key_ == CurrentBarKey()))
    return TCustomPanel::PaintWindow(dc);
  BitBlt(dc, 0, 0, bar_.Width(), bar_.Height(), bar_.Canvas().Handle(), 0, 0, SRCCOPY);
  if (!bar_has_caption_section_) return;
  if (auto* host = dynamic_cast<TsuiTitleBarHost*>(Parent())) host->PaintFormBorder();
}

void TsuiTitleBar::ShowOnScreen(TBitmap& b) {
  const RECT r{0, 0, b.Width(), b.Height()};
  if (Canvas().HandleAllocated()) {
    Canvas().CopyRect(r, b.Canvas(), r);
  } else if (HandleAllocated()) {
    WindowDc dc(Handle());
    BitBlt(dc.Get(), 0, 0, b.Width(), b.Height(), b.Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

void TsuiTitleBar::DrawRightSection(TBitmap& b, TBitmap& picture, int left, int top) {
  TBitmap copy(picture);
  copy.SetPixelFormat(TPixelFormat::pf24bit);
  copy.SetTransparentMode(TTransparentMode::tmFixed);
  copy.SetTransparentColor(trans_color_);
  copy.SetTransparent(true);
  TBitmap over(picture.Width(), picture.Height());
  over.Canvas().Brush().SetColor(form_color_);
  over.Canvas().FillRect(RECT{0, 0, over.Width(), over.Height()});
  over.Canvas().Draw(0, 0, copy);
  b.Canvas().Draw(left, top, over);
}

// The insets of the section row: on a skinned form it starts left of the
// bar by the frame's width and 3 pixels above it.
POINT TsuiTitleBar::SectionInsets() const {
  if (!OnSkinnedForm()) return POINT{0, 0};
  const int reply = QueryFrameWidth();
  return POINT{reply == 0 ? -kDefaultFrameInset : -reply, -FrameTopOverlap()};
}

// Fits the caption into the caption section at `index` and gives the
// section's width.
int TsuiTitleBar::CaptionSectionWidth(TCanvas& canvas, int index, int last_left_width) {
  int buttons_width = 0;
  for (int i = 0; i < buttons_.Count(); ++i)
    buttons_width += buttons_.Items(i)->PicNormal().Width() + button_interval_;
  const int next_width = index + 1 < sections_.Count() ? sections_.Items(index + 1)->Width() : 0;
  const int room =
      Width() - left_btn_x_offset_ - buttons_width - next_width - kCaptionSectionMargin;
  caption_section_text_ = EllipsisText(canvas, Caption(), room);
  const int w = canvas.TextWidth(caption_section_text_) + left_btn_x_offset_ - last_left_width +
                kCaptionSectionPadding;
  return std::max(w, 0);  // a negative width would mirror the picture
}

namespace {

// The section row as it is laid out from both ends: on the bar (shifted by
// the insets) and on the window-wide region image.
struct SectionRow {
  TCanvas& bar;
  TCanvas& region;
  POINT inset;
  int left;
  int right;

  void Stretch(const TBitmap& pic, int from, int to) {
    bar.StretchDraw(RECT{from, inset.y, to, inset.y + pic.Height()}, pic);
    region.StretchDraw(RECT{from - inset.x, 0, to - inset.x, pic.Height()}, pic);
  }
  void PutLeft(const TBitmap& pic) {
    bar.Draw(left, inset.y, pic);
    region.Draw(left - inset.x, 0, pic);
    left += pic.Width();
  }
};

}  // namespace

void TsuiTitleBar::DrawSections(TBitmap& b) {
  if (!ParentForm()) return;
  const POINT inset = SectionInsets();
  const RECT whole{0, 0, b.Width() - 2 * inset.x, b.Height() - inset.y};
  region_image_.SetSize(whole.right, whole.bottom);
  region_image_.Canvas().Brush().SetColor(clWhite);
  region_image_.Canvas().FillRect(whole);
  back_image_.SetSize(whole.right, whole.bottom);
  back_image_.Canvas().Brush().SetColor(form_color_);
  back_image_.Canvas().FillRect(whole);

  SectionRow row{b.Canvas(), region_image_.Canvas(), inset, inset.x, b.Width() - inset.x};
  int last_left_width = 0, client = -1;
  bool caption_section = false;
  for (int i = 0; i < sections_.Count(); ++i) {
    TsuiTitleBarSection* s = sections_.Items(i);
    TBitmap& pic = s->Picture().Bitmap();
    if (s->CapSec()) {
      const int w = CaptionSectionWidth(b.Canvas(), i, last_left_width);
      row.Stretch(pic, row.left, row.left + w);
      row.left += w;
      caption_section = true;
    } else if (s->Align() == TsuiTitleBarAlign::suiLeft) {
      row.PutLeft(pic);
      last_left_width = pic.Width();
    } else if (s->Align() == TsuiTitleBarAlign::suiRight) {
      row.right -= pic.Width();
      if (!pic.Empty()) DrawRightSection(b, pic, row.right, inset.y);
      row.region.Draw(row.right - inset.x, 0, pic);
    } else {
      client = i;  // the last one counts
    }
  }
  if (client >= 0) row.Stretch(sections_.Items(client)->Picture().Bitmap(), row.left, row.right);
  back_image_.Canvas().Draw(0, 0, region_image_);
  bar_has_caption_section_ = caption_section;
  if (!caption_section)
    caption_section_text_.clear();
  else if (auto* host = dynamic_cast<TsuiTitleBarHost*>(Parent()))
    host->PaintFormBorder();
}

void TsuiTitleBar::DrawButtonPicture(TBitmap& b, TBitmap& scratch, TsuiTitleBarButton& button,
                                     const RECT& hit, POINT at, POINT mouse, int index) {
  TBitmap* pic = &button.PicNormal().Bitmap();
  if (InRect(mouse, hit)) {
    hot_button_ = index;
    pic = mouse_is_down_ ? &button.PicMouseDown().Bitmap() : &button.PicMouseOn().Bitmap();
  }
  const RECT r{0, 0, button.PicNormal().Width(), button.PicNormal().Height()};
  scratch.SetTransparent(false);
  scratch.SetSize(r.right, r.bottom);
  scratch.Canvas().CopyRect(r, pic->Canvas(), RECT{0, 0, pic->Width(), pic->Height()});
  scratch.SetTransparent(button.Transparent());
  b.Canvas().Draw(at.x, at.y, scratch);
}

int TsuiTitleBar::DrawRightButtons(TBitmap& b, TBitmap& scratch, POINT mouse, int x,
                                   int& control_box) {
  for (int i = 0; i < buttons_.Count(); ++i) {
    TsuiTitleBarButton& button = *buttons_.Items(i);
    if (!button.Visible() || !button.HasPictures()) continue;
    button.PicNormal().Bitmap().SetTransparent(false);
    if (button.ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
      control_box = i;
      continue;
    }
    const int w = button.PicNormal().Width(), h = button.PicNormal().Height();
    x -= button.ButtonType() == TsuiTitleBarBtnType::suiClose ? w : w + button_interval_ + 1;
    if (b.Width() < x + w + 1) x = b.Width() - w - 1;
    const RECT hit{x, button_top_, x + w, button_top_ + h};
    DrawButtonPicture(b, scratch, button, hit, POINT{x, button_top_}, mouse, i);
  }
  return x;
}

int TsuiTitleBar::DrawControlBox(TBitmap& b, TBitmap& scratch, POINT mouse, int control_box,
                                 int icon_x) {
  TsuiTitleBarButton& box = *buttons_.Items(control_box);
  const int w = box.PicNormal().Width(), h = box.PicNormal().Height();
  const RECT hit{icon_x, icon_top_, icon_x + w, icon_top_ + h};
  if (draw_app_icon_) {
    if (InRect(mouse, hit)) hot_button_ = control_box;
    DrawIconOf(b.Canvas(), icon_x + kAppIconIndent, icon_top_);
    return icon_x + kAppIconAdvance;
  }
  DrawButtonPicture(b, scratch, box, hit, POINT{icon_x, icon_top_ - 1}, mouse, control_box);
  return icon_x + w + kControlBoxGap;
}

void TsuiTitleBar::DrawCaption(TBitmap& b, int icon_x, int right) {
  TCanvas& canvas = b.Canvas();
  if (!form_active_) canvas.Font().SetColor(inactive_caption_color_);
  std::string text = caption_section_text_;
  if (text.empty()) {
    if (Caption().empty()) return;
    const int limit = right - icon_x;
    text =
        canvas.TextWidth(Caption()) <= limit ? Caption() : ShortenCaption(canvas, Caption(), limit);
  }
  TsuiUIStyle effective;
  const bool from_theme = UsingFileTheme(file_theme_, ui_style_, effective);
  const int top = from_theme
                      ? caption_top_ - 3
                      : button_top_ + (ui_style_ == TsuiUIStyle::Protein ? kProteinCaptionDrop : 0);
  const int left =
      RightToLeftReading() ? right - canvas.TextWidth(text) - kRightToLeftCaptionGap : icon_x;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.TextOut(left, top, text);
}

void TsuiTitleBar::DrawButtonsAndCaption(TBitmap& b) {
  if (!ParentForm()) return;
  const int a = QueryFrameWidth();
  hot_button_ = -1;
  POINT mouse{INT_MIN / 2, INT_MIN / 2};
  if (HandleAllocated() && GetCursorPos(&mouse)) mouse = ScreenToClient(mouse);
  TBitmap scratch;
  if (ui_style_ == TsuiUIStyle::FromThemeFile) {
    scratch.SetPixelFormat(TPixelFormat::pf24bit);
    scratch.SetTransparentMode(TTransparentMode::tmFixed);
    scratch.SetTransparentColor(trans_color_);
  }
  int control_box = -1;
  const int x =
      DrawRightButtons(b, scratch, mouse, b.Width() - right_btn_x_offset_ + a - 1, control_box);
  int icon_x = std::max(0, left_btn_x_offset_ - 4 - (a - 1));
  if (control_box >= 0) icon_x = DrawControlBox(b, scratch, mouse, control_box, icon_x);
  if (icon_x == 0) icon_x = kCaptionIndentWithoutIcon;
  DrawCaption(b, icon_x, x);
}

}  // namespace kestrova::skin
