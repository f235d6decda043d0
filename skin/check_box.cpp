// TsuiCheckBox: a box picture from the style's strip and a one-line caption,
// toggled by click, Space/Enter on release and its accelerator.
#include "framework/class_builder.h"
#include "framework/system_locale.h"
#include "framework/text.h"
#include "skin/buttons.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// Frames of the built-in strip (4) and of a file theme's (6), by state.
int BuiltInFrame(bool checked, bool enabled) {
  if (enabled) return checked ? 1 : 2;
  return checked ? 3 : 4;
}

int FileThemeFrame(bool checked, bool enabled) {
  if (enabled) return checked ? 1 : 3;
  return checked ? 4 : 6;
}

// Right-to-left drawing needs both the mode and a right-to-left system locale.
bool RightToLeft(const TControl& control) {
  return control.BiDiMode() == TBiDiMode::bdRightToLeft && GetSystemMetrics(SM_MIDEASTENABLED) != 0;
}

}  // namespace

const ClassInfo& TsuiCheckBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiCheckBox>("TsuiCheckBox", &TCustomControl::StaticClass())
          .Component<TsuiFileTheme>("FileTheme", &TsuiCheckBox::FileTheme,
                                    &TsuiCheckBox::SetFileTheme)
          .Enumeration<TsuiUIStyle>("UIStyle", &TsuiCheckBox::UIStyle, &TsuiCheckBox::SetUIStyle,
                                    UIStyleNames())
          .Boolean("AutoSize", &TsuiCheckBox::AutoSize, &TsuiCheckBox::SetAutoSize)
          .Boolean("Checked", &TsuiCheckBox::Checked, &TsuiCheckBox::SetChecked)
          .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
          .StoredWhen([](const TsuiCheckBox& c) { return !c.ParentColor(); })
          .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
          .Enumeration<TCheckBoxState>("State", &TsuiCheckBox::State, &TsuiCheckBox::SetState,
                                       {"cbUnchecked", "cbChecked", "cbGrayed"})
          .Boolean("Transparent", &TsuiCheckBox::Transparent, &TsuiCheckBox::SetTransparent)
          .Build();
  return info;
}

TsuiCheckBox::TsuiCheckBox(TComponent* owner) : TCustomControl(owner) {
  SetChecked(false);
  SetBounds(Left(), Top(), 93, 17);
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleFlag::csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(true);
  SetTabStop(true);
  ui_style_ = GetOwnerFormUIStyle(owner);
}

void TsuiCheckBox::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  Repaint();
  DoClick();
}

void TsuiCheckBox::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  Repaint();
}

void TsuiCheckBox::SetFileTheme(TsuiFileTheme* theme) {
  BindFileTheme(*this, file_theme_, theme);
  SetUIStyle(ui_style_);
}

void TsuiCheckBox::SetTransparent(bool v) {
  transparent_ = v;
  Repaint();
}

void TsuiCheckBox::SetAutoSize(bool v) {
  auto_size_ = v;
  Repaint();
}

void TsuiCheckBox::SetEnabled(bool enabled) {
  TCustomControl::SetEnabled(enabled);
  Repaint();
}

void TsuiCheckBox::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
}

void TsuiCheckBox::DoClick() {
  if (!Loading()) OnClick(this);
}

void TsuiCheckBox::Toggle() {
  BeforeToggle();
  SetChecked(!checked_);
}

// The click rule's own event is the toggle's OnClick, so the base is not
// asked to fire it again.
void TsuiCheckBox::Click() { Toggle(); }

void TsuiCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !CanFocus() || !Enabled() || !Visible()) return;
  try {
    SetFocus();
  } catch (const std::exception&) {
    // The press goes on without the focus.
  }
}

void TsuiCheckBox::LoadBox(TBitmap& picture) {
  TsuiUIStyle style;
  if (UsingFileTheme(file_theme_, ui_style_, style) && PicElement() == entry::kCheckBox)
    file_theme_->GetBitmapFrame(TsuiFileThemeBitmap{PicFileIndex()}, picture, 6,
                                FileThemeFrame(checked_, Enabled()));
  else
    GetBuiltInBitmap(style, PicElement(), &picture, 4, BuiltInFrame(checked_, Enabled()));
}

// Kept like the button's picture (custom_button.cpp). Composing may resize
// the box (AutoSize), so the stamp is taken after it.
void TsuiCheckBox::Paint() {
  if (!picture_.Holds(Stamp())) {
    ComposePicture(picture_.Picture());
    picture_.Keep(Stamp());
  }
  picture_.CopyTo(Canvas().Handle());
}

void TsuiCheckBox::Invalidate() {
  picture_.Drop();
  TCustomControl::Invalidate();
}

PaintStamp TsuiCheckBox::Stamp() {
  const uint64_t state = (Enabled() ? 1 : 0) | (checked_ ? 2 : 0) | (NeedDrawFocus() ? 4 : 0) |
                         (RightToLeft(*this) ? 8 : 0);
  return StampOf(*this, transparent_, ThemeVersion(file_theme_) << 8 | state);
}

void TsuiCheckBox::ComposePicture(TBitmap& buffer) {
  TBitmap picture;
  picture.SetTransparent(PicTransparent());
  buffer = TBitmap(1, 1);
  buffer.Canvas().SetFont(Font());
  LoadBox(picture);
  const int th = buffer.Canvas().TextHeight("W");
  if (auto_size_) {
    const int tw = buffer.Canvas().TextWidth(Caption());
    SetBounds(Left(), Top(), picture.Width() + tw + 8, std::max(th + 2, picture.Height()) + 4);
  }
  buffer.SetSize(Width(), Height());
  if (transparent_) {
    DrawParentBackground(buffer.Canvas(), *this);
  } else {
    buffer.Canvas().Brush().SetColor(Color());
    buffer.Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
  TCanvas& c = buffer.Canvas();
  c.Brush().SetStyle(TBrushStyle::bsClear);
  const int text_top = (ClientHeight() - th) / 2;
  const int box_top = (ClientHeight() - picture.Height()) / 2;
  const bool rtl = RightToLeft(*this);
  RECT text_rect, focus_rect;
  if (rtl) {
    c.Draw(Width() - picture.Width() - 1, box_top, picture);
    text_rect = {0, text_top, Width() - picture.Width() - 4, Height()};
    c.DrawText(Caption(), text_rect, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
    focus_rect = {0, text_top, Width() - picture.Width() - 2, text_top + th + 2};
  } else {
    c.Draw(1, box_top, picture);
    text_rect = {picture.Width() + 4, text_top, Width(), Height()};
    c.DrawText(Caption(), text_rect, DT_SINGLELINE | DT_LEFT);
    focus_rect = {picture.Width() + 3, text_top, Width(), text_top + th + 2};
  }
  if (NeedDrawFocus()) {
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.DrawFocusRect(focus_rect);
  }
}

void TsuiCheckBox::WndProc(TMessage& m) {
  switch (m.msg) {
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TCustomControl::WndProc(m);
      Repaint();
      return;
    case CM_FOCUSCHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::WndProc(m);
      Repaint();
      return;
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case WM_KEYUP:
      TCustomControl::WndProc(m);
      if ((m.wparam == VK_SPACE || m.wparam == VK_RETURN) && KeyToggles() && Focused() &&
          Enabled()) {
        Repaint();
        Click();
      }
      return;
    case CM_DIALOGCHAR:
      TCustomControl::WndProc(m);
      m.result = 0;
      if (!IsAccel(wchar_t(m.wparam), Caption()) || !Enabled() || !Visible() || !Parent() ||
          !Parent()->Enabled())
        return;
      if (CanFocus()) {
        try {
          SetFocus();
        } catch (const std::exception&) {
          // Toggled all the same.
        }
      }
      Click();
      m.result = 1;
      return;
  }
  TCustomControl::WndProc(m);
}

}  // namespace kestrova::skin
