// TsuiCustomButton: the state machine (hover, press, auto-repeat), the
// keyboard, the off-screen paint and the plain caption and focus mark.
#include <algorithm>

#include "framework/action.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/text.h"
#include "skin/buttons.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"

namespace kestrova::skin {

using namespace framework;

namespace {

constexpr TColor kShadowWhite = 0xFFFFFF;
constexpr TColor kDisabledGrey = 0x808080;
// The picture a frame that cannot be loaded is replaced with.
constexpr int kBlankFrameWidth = 74;
constexpr int kBlankFrameHeight = 21;

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) <= ' '; });
}

bool IsPressKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

}  // namespace

TsuiCustomButton::TsuiCustomButton(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleFlag::csAcceptsControls);
  style.Exclude(TControlStyleFlag::csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(true);
  SetTabStop(true);
  ui_style_ = GetOwnerFormUIStyle(owner);
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::SetAutoSize(bool v) {
  auto_size_ = v;
  ApplyAutoSize();
  Repaint();
}

void TsuiCustomButton::SetDefault(bool v) {
  default_ = v;
  if (!HandleAllocated()) return;
  // The form re-announces its focus, so every skinned button recomputes ActiveDefault.
  if (TForm* form = ParentForm())
    form->Perform(CM_FOCUSCHANGED, 0, LPARAM(static_cast<TControl*>(form->ActiveControl())));
}

void TsuiCustomButton::SetTransparent(bool v) {
  transparent_ = v;
  TransparentChanged();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  UIStyleChanged();
  Repaint();
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* theme) {
  BindFileTheme(*this, file_theme_, theme);
  SetUIStyle(ui_style_);
}

void TsuiCustomButton::SetFocusedRectMargin(int v) {
  focused_rect_margin_ = v;
  Repaint();
}

void TsuiCustomButton::SetEnabled(bool enabled) {
  TCustomControl::SetEnabled(enabled);
  EnabledChanged();
  Repaint();
}

void TsuiCustomButton::ActionChange(TCustomAction& action) {
  TCustomControl::ActionChange(action);
  SetCaption(action.Caption());
}

void TsuiCustomButton::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
}

bool TsuiCustomButton::UsesFileTheme(TsuiUIStyle& effective) const {
  return UsingFileTheme(file_theme_, ui_style_, effective);
}

void TsuiCustomButton::ApplyAutoSize() {
  if (!auto_size_) return;
  TBitmap strip;
  GetBuiltInBitmap(ui_style_, entry::kButton, &strip, 0, 0);
  int width = strip.Empty() ? kBlankFrameWidth : strip.Width();
  int height = strip.Empty() ? kBlankFrameHeight : strip.Height();
  SetBounds(Left(), Top(), width / 3, height);
}

void TsuiCustomButton::FontChanged() {
  Canvas().SetFont(Font());
  Repaint();
}

void TsuiCustomButton::TransparentChanged() {
  pic_transparent_ = transparent_;
  Repaint();
}

void TsuiCustomButton::LoadFrame(TBitmap& picture, int frame) {
  TsuiUIStyle style;
  if (UsesFileTheme(style))
    file_theme_->GetBitmapFrame(TsuiFileThemeBitmap{15}, picture, 3, frame);  // SKIN2_BUTTON
  else
    GetBuiltInBitmap(style, entry::kButton, &picture, 3, frame);
}

void TsuiCustomButton::LoadStateFrame(TBitmap& picture) {
  try {
    if (!Enabled())
      LoadDisabledFrame(picture);
    else if (pressed_)
      LoadPressedFrame(picture);
    else if (hovering_)
      LoadHoverFrame(picture);
    else
      LoadNormalFrame(picture);
  } catch (const std::exception&) {
    // A missing picture leaves only background, focus mark and caption.
    picture = TBitmap(kBlankFrameWidth, kBlankFrameHeight);
  }
}

// The finished picture is kept until something it shows changes (every
// setter repaints, and the stamp holds the rest), so a repaint the system
// asks for is one blit.
void TsuiCustomButton::Paint() {
  if (!picture_.Holds(Stamp())) {
    ComposePicture(picture_.Picture());
    picture_.Keep(Stamp());
  }
  picture_.CopyTo(Canvas().Handle());
}

void TsuiCustomButton::Invalidate() {
  picture_.Drop();
  TCustomControl::Invalidate();
}

PaintStamp TsuiCustomButton::Stamp() const {
  const uint64_t state = (Enabled() ? 1 : 0) | (pressed_ ? 2 : 0) | (hovering_ ? 4 : 0) |
                         (Focused() ? 8 : 0) | (active_default_ ? 16 : 0);
  return StampOf(*this, transparent_, ThemeVersion(file_theme_) << 8 | state);
}

void TsuiCustomButton::ComposePicture(TBitmap& buffer) {
  TBitmap picture;
  LoadStateFrame(picture);
  picture.SetTransparent(pic_transparent_);
  buffer = TBitmap(Width(), Height());
  if (transparent_) {
    DrawParentBackground(buffer.Canvas(), *this);
  } else {
    buffer.Canvas().Brush().SetColor(Color());
    buffer.Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
  DrawStatePicture(buffer.Canvas(), picture);
  if (Focused() && TabStop()) DrawFocus(buffer.Canvas());
  buffer.Canvas().SetFont(Font());
  Canvas().SetFont(Font());
  if (!IsBlank(Caption())) DrawCaption(buffer.Canvas(), Caption());
}

void TsuiCustomButton::DrawStatePicture(TCanvas& canvas, TBitmap& picture) {
  if (Enabled()) {
    canvas.Draw(0, 0, picture);
    return;
  }
  TImageList greyed(nullptr);
  greyed.SetWidth(picture.Width());
  greyed.SetHeight(picture.Height());
  if (picture.Transparent())
    greyed.AddMasked(picture, picture.TransparentColor());
  else
    greyed.Add(picture);
  greyed.Draw(canvas, 0, 0, 0, false);
}

// The caption centred in `r` as a word-wrapped block.
static void DrawCentred(TCanvas& canvas, const std::string& text, RECT r) {
  RECT block = r;
  canvas.DrawText(text, block, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  OffsetRect(&block, ((r.right - r.left) - (block.right - block.left)) / 2,
             ((r.bottom - r.top) - (block.bottom - block.top)) / 2);
  canvas.DrawText(text, block, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
}

void TsuiCustomButton::DrawCaption(TCanvas& canvas, const std::string& text) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  RECT r = ClientRect();
  canvas.SetFont(Font());
  if (bold_caption_) {
    TFontStyles styles = canvas.Font().Style();
    styles.Include(TFontStyle::fsBold);
    canvas.Font().SetStyle(styles);
  }
  if (!Enabled()) {
    OffsetRect(&r, 1, 1);
    canvas.Font().SetColor(kShadowWhite);
    DrawCentred(canvas, text, r);
    r = ClientRect();
    canvas.Font().SetColor(kDisabledGrey);
  } else if (pressed_) {
    OffsetRect(&r, 1, 1);
  }
  DrawCentred(canvas, text, r);
  bold_caption_ = false;
}

void TsuiCustomButton::DrawFocus(TCanvas& canvas) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  int m = focused_rect_margin_;
  canvas.DrawFocusRect(RECT{m, m, ClientWidth() - m, ClientHeight() - m});
}

void TsuiCustomButton::Release() {
  StopRepeat();
  pressed_ = false;
}

void TsuiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    pressed_ = true;
    if (!repeat_timer_) {
      repeat_timer_ = std::make_unique<TTimer>(nullptr);
      repeat_timer_->SetInterval(std::max(repeat_interval_, 0));
      repeat_timer_->OnTimer = [this](TComponent*) { OnMouseContinuouslyDown(this); };
    }
    if (TabStop() && CanFocus() && Enabled() && Visible()) {
      try {
        SetFocus();
      } catch (const std::exception&) {
        // The press goes on without the focus.
      }
    }
    Repaint();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsuiCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (x < 0 || y < 0 || x > Width() || y > Height()) {
    hovering_ = false;
    pressed_ = false;
    Repaint();
  }
}

void TsuiCustomButton::Click() {
  if (pressed_) {
    Release();
    Repaint();
  }
  if (TForm* form = ParentForm(); form && form != static_cast<TControl*>(this))
    form->SetModalResult(modal_result_);
  TCustomControl::Click();
}

void TsuiCustomButton::CreateWindowHandle() {
  TCustomControl::CreateWindowHandle();
  active_default_ = default_;
}

void TsuiCustomButton::HandleKey(TMessage& m) {
  TCustomControl::WndProc(m);
  if (!IsPressKey(m.wparam) || !Focused() || !Enabled()) return;
  if (m.msg == WM_KEYDOWN) {
    pressed_ = true;
    Repaint();
  } else if (pressed_) {
    pressed_ = false;
    Repaint();
    Click();
  }
}

void TsuiCustomButton::HandleDialogKey(TMessage& m) {
  bool wanted = (m.wparam == VK_RETURN && active_default_) || (m.wparam == VK_ESCAPE && cancel_);
  if (wanted && KeyboardShiftState().Empty() && CanFocus()) {
    Click();
    m.result = 1;
    return;
  }
  TCustomControl::WndProc(m);
}

void TsuiCustomButton::HandleDialogChar(TMessage& m) {
  TCustomControl::WndProc(m);
  // Bit 29 of the key data: Alt was down.
  bool alt = (m.lparam & (1 << 29)) != 0;
  HWND focus = GetFocus();
  bool on_skin_button = focus && SendMessageW(focus, SUIM_ISSKINBUTTON, 0, 0) == 1;
  if (IsAccel(wchar_t(m.wparam), Caption()) && (alt || on_skin_button) && Parent() &&
      Parent()->Enabled() && Enabled() && Visible()) {
    Click();
    m.result = 1;
  } else {
    m.result = 0;
  }
}

void TsuiCustomButton::HandleFocusChanged(TMessage& m) {
  TCustomControl::WndProc(m);
  auto* focused = reinterpret_cast<TControl*>(m.lparam);
  active_default_ = dynamic_cast<TsuiButton*>(focused) ? focused == this : default_;
  Repaint();
}

void TsuiCustomButton::WndProc(TMessage& m) {
  switch (m.msg) {
    case CM_MOUSEENTER:
      TCustomControl::WndProc(m);
      if (Designing()) return;
      hovering_ = true;
      Repaint();
      OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(m);
      hovering_ = false;
      Release();
      Repaint();
      OnMouseExit(this);
      return;
    case CM_CANCELMODE:
      TCustomControl::WndProc(m);
      hovering_ = false;
      Release();
      Repaint();
      return;
    case CM_TEXTCHANGED:
      CaptionChanged();
      Repaint();
      return;
    case CM_FONTCHANGED:
      FontChanged();
      return;
    case CM_FOCUSCHANGED:
      return HandleFocusChanged(m);
    case CM_DIALOGKEY:
      return HandleDialogKey(m);
    case CM_DIALOGCHAR:
      return HandleDialogChar(m);
    case WM_KEYDOWN:
    case WM_KEYUP:
      return HandleKey(m);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::WndProc(m);
      Repaint();
      return;
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case SUIM_ISSKINBUTTON:
      m.result = 1;
      return;
  }
  TCustomControl::WndProc(m);
}

}  // namespace kestrova::skin
