// TsuiForm: taking the form over, the style, the published properties and
// giving the form back.
#include "skin/form/form.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/colors.h"
#include "framework/main_menu.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/form/form_keys.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using framework::TAlign;
using framework::TApplication;
using framework::TBevelCut;
using framework::TColor;
using framework::TComponent;
using framework::TCustomPanel;
using framework::TFont;
using framework::TForm;
using framework::TFormBorderStyle;
using framework::TOperation;
using framework::TPanel;
using framework::TWindowState;

namespace {

// A measured frame thickness outside 0..16 is not believed.
int Plausible(int thickness) { return thickness < 0 || thickness > 16 ? 4 : thickness; }

bool KeepsOwnBorder(TFormBorderStyle style) {
  return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsDialog ||
         style == TFormBorderStyle::bsSizeToolWin;
}

int CountFrames(const TForm& form) {
  return int(std::count_if(form.Controls().begin(), form.Controls().end(),
                           [](auto* c) { return dynamic_cast<TsuiForm*>(c) != nullptr; }));
}

}  // namespace

TsuiForm::TsuiForm(TComponent* owner) : TCustomPanel(owner) {
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form || CountFrames(*form) > 0) return;
  TakeOver(form);
}

// Every step in this order: the style and the caption need the title bar,
// the caption bits can only go once the window exists, and the frame
// refresh comes last so the first frame calculation is already ours.
bool TsuiForm::TakeOver(TForm* form) {
  owner_form_ = form;
  // Asked before the measuring makes the window: a hidden window is never
  // zoomed, but the state the form will be shown in counts.
  const bool maximized = form->WindowState() == TWindowState::wsMaximized;
  MeasureFrame(*form);
  destroying_ = false;
  mdi_maximized_ = mdi_restored_once_ = mdi_created_maximized_ = false;
  bottom_border_bitmap_.SetPixelFormat(framework::TPixelFormat::pf24bit);
  title_need_region_ = bottom_need_region_ = false;
  form->SetBorderWidth(0);
  restore_bounds_ = form->BoundsRect();
  created_maximized_ = maximized;

  title_bar_ = new TsuiTitleBar(this);
  title_bar_->SetParent(this);
  menu_bar_ = nullptr;
  menu_bar_color_ = Color();
  SetMenuBarToColor(Color());
  menu_bar_height_value_ = 22;
  SetUIStyle(TsuiUIStyle::DeepBlue);
  ui_style_auto_update_sub_ = false;

  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  SetBorderStyle(framework::TBorderStyle::bsNone);
  SetAlign(TAlign::alClient);
  SetCaption(form->Caption());
  SetTitleBarVisible(true);
  title_bar_wanted_ = true;
  changing_title_bar_ = false;
  TControl::SetText(" ");
  form->SetScaled(false);

  saved_border_style_ = form->BorderStyle();
  if (!KeepsOwnBorder(saved_border_style_)) form->SetBorderStyle(TFormBorderStyle::bsDialog);
  HWND window = form->Handle();
  SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_CAPTION);
  form->SetAutoScroll(false);

  old_window_proc_ = form->WindowProc();
  form->SetWindowProc([this](framework::TMessage& m) { FormWndProc(m); });
  app_events_.reset(new framework::TApplicationEvents(nullptr));
  app_events_->OnMessage = [this](MSG& m, bool& handled) { ApplicationMessage(m, handled); };
  FrameRefresh();
  return true;
}

// The system frame's thickness at the left and bottom, from the window and
// its client area on screen.
void TsuiForm::MeasureFrame(TForm& form) {
  if (form.IsMDIChild()) {
    TApplication* app = TApplication::Current();
    TForm* main = app ? app->MainForm() : nullptr;
    HWND h = main && main->HandleAllocated() ? main->Handle() : nullptr;
    frame_bottom_ = Plausible(h ? int(SendMessageW(h, WM_APP + 2000, 0, 0)) : 0);
    frame_left_ = Plausible(h ? int(SendMessageW(h, WM_APP + 2001, 0, 0)) : 0);
    return;
  }
  HWND window = form.Handle();
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT bottomLeft{0, client.bottom};
  ::ClientToScreen(window, &bottomLeft);
  frame_bottom_ = Plausible(int(outer.bottom - bottomLeft.y));
  frame_left_ = Plausible(int(bottomLeft.x - outer.left));
}

TsuiForm::~TsuiForm() = default;

void TsuiForm::BeforeDestroy() {
  destroying_ = true;
  app_events_.reset();
  FreeMenuBar();
  if (title_bar_) std::exchange(title_bar_, nullptr)->Free();
  bottom_border_bitmap_.Clear();
  TCustomPanel::BeforeDestroy();
}

// The form gets back its own window procedure and caption; its border style
// stays as the take-over left it.
void TsuiForm::GiveBack() {
  if (!owner_form_ || !old_window_proc_) return;
  DetachMenu();
  destroying_ = true;
  TForm* form = std::exchange(owner_form_, nullptr);
  form->SetWindowProc(std::exchange(old_window_proc_, nullptr));
  if (!form->HandleAllocated()) return;
  HWND window = form->Handle();
  SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_CAPTION);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TsuiForm::FrameRefresh() {
  if (!owner_form_ || !owner_form_->HandleAllocated()) return;
  SetWindowPos(owner_form_->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TsuiForm::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == TOperation::opInsert) MenuInserted(component);
  if (operation != TOperation::opRemove) return;
  if (component == form_panel_) form_panel_ = nullptr;
  if (menu_ && component == static_cast<TComponent*>(menu_)) DestroyMenuBar();
  if (component == this) GiveBack();
  if (component == file_theme_ && file_theme_) {
    file_theme_ = nullptr;
    ApplyStyleToChildren(*this, TsuiUIStyle::DeepBlue, nullptr);
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
}

void TsuiForm::Loaded() {
  TCustomPanel::Loaded();
  if (owner_form_ && owner_form_->IsMDIChild()) UpdateFormRegion();
}

void TsuiForm::Resize() {
  TCustomPanel::Resize();
  if (title_bar_) title_bar_->SetTop(0);
}

bool TsuiForm::Designing() const {
  return ComponentState().Contains(framework::TComponentStateFlag::csDesigning);
}

bool TsuiForm::Minimized() const {
  return owner_form_ && owner_form_->WindowState() == TWindowState::wsMinimized;
}

int TsuiForm::GetTitleAreaHeight() const {
  return title_bar_ && title_bar_->Visible() ? title_bar_->Height() + 3 : 0;
}

// The style: its own look, then the title bar's and the menu's, then one
// frame refresh, repaint and region update.
void TsuiForm::SetUIStyle(TsuiUIStyle style) {
  RECT bounds = owner_form_ ? owner_form_->BoundsRect() : RECT{};
  ui_style_ = style;
  TsuiUIStyle effective;
  if (UsingFileTheme(file_theme_, style, effective))
    ApplyFileThemeLook();
  else
    ApplyBuiltInLook(effective);
  if (title_bar_) {
    title_bar_->SetFileTheme(file_theme_);
    title_bar_->SetUIStyle(ui_style_);
  }
  ApplyStyleToMenu();
  if (ui_style_auto_update_sub_) ApplyStyleToChildren(*this, ui_style_, file_theme_);
  if (owner_form_ && owner_form_->IsMDIChild()) SetControlBounds(*owner_form_, bounds);
  FrameRefresh();
  Repaint();
  PaintFormBorder();
  UpdateFormRegion();
  if (owner_form_)
    owner_form_->Constraints().SetMinHeight(
        MenuBarHeight() + (title_bar_ ? title_bar_->Height() : 0) + bottom_border_height_ + 3);
}

void TsuiForm::ApplyFileThemeLook() {
  namespace k = form_keys;
  const TsuiFileTheme& theme = *file_theme_;
  SetColor(TColor(theme.GetColor(k::kFormColor)));
  SetMenuBarColor(TColor(theme.GetColor(k::kMenuBarStart)));
  SetMenuBarToColor(TColor(theme.GetColor(k::kMenuBarEnd)));
  auto width = [&](TsuiFileThemeBitmap index) {
    const framework::TBitmap* b = theme.GetBitmap(index);
    return b ? b->Width() : 0;
  };
  const framework::TBitmap* bottom = theme.GetBitmap(k::kBottomBorder1);
  left_border_width_ = width(k::kLeftBorder);
  right_border_width_ = width(k::kRightBorder);
  bottom_border_height_ = bottom ? bottom->Height() : 0;
  trans_color_ = TColor(theme.GetColor(k::kTransColor));
  title_need_region_ = theme.GetBool(k::kTitleNeedRegion);
  bottom_need_region_ = theme.GetBool(k::kBottomNeedRegion);
  if (title_bar_) {
    title_bar_->Paint();
    if (framework::TBitmap* region = title_bar_->GetTitleImage(-1)) {
      region->SetTransparent(title_need_region_);
      region->SetTransparentColor(trans_color_);
    }
  }
  bottom_border_bitmap_.SetTransparent(bottom_need_region_);
  bottom_border_bitmap_.SetTransparentColor(trans_color_);
  title_region_min_y_ = theme.GetInteger(k::kTitleRegionMinY);
  title_region_max_y_ = theme.GetInteger(k::kTitleRegionMaxY);
  bottom_region_min_y_ = theme.GetInteger(k::kBottomRegionMinY);
  bottom_region_max_y_ = theme.GetInteger(k::kBottomRegionMaxY);
}

void TsuiForm::ApplyBuiltInLook(TsuiUIStyle effective) {
  SetRoundCornerBottom(0);
  bottom_border_height_ = left_border_width_ = right_border_width_ = 0;
  trans_color_ = 0xFF00FF;
  SetBorderColor(TColor(GetBuiltInColor(effective, entry::kBorderColor)));
  SetBorderWidth(GetBuiltInInteger(effective, entry::kBorderWidth));
  SetColor(TColor(GetBuiltInColor(effective, entry::kFormColor)));
  SetMenuBarColor(Color());
  SetMenuBarToColor(Color());
  SetRoundCorner(GetBuiltInInteger(effective, entry::kRoundCorner));
}

void TsuiForm::SetFileTheme(TsuiFileTheme* theme) {
  if (theme == file_theme_) return;
  BindFileTheme(*this, file_theme_, theme);
  SetUIStyle(ui_style_);
}

void TsuiForm::SetBorderColor(TColor color) {
  border_color_ = color;
  PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int width) {
  border_width_ = width;
  PaintFormBorder();
}

bool TsuiForm::TitleBarVisible() const { return title_bar_ && title_bar_->Visible(); }

void TsuiForm::SetTitleBarVisible(bool visible) {
  if (!title_bar_ || visible == title_bar_->Visible()) return;
  if (!changing_title_bar_) title_bar_wanted_ = visible;
  title_bar_->SetVisible(visible);
  title_bar_->SetTop(0);
  PaintFormBorder();
}

std::string TsuiForm::Caption() const { return title_bar_ ? title_bar_->Caption() : std::string(); }

void TsuiForm::SetCaption(const std::string& caption) {
  if (title_bar_) title_bar_->SetCaption(caption);
  if (owner_form_) owner_form_->SetCaption(caption);
}

void TsuiForm::SetFormPanel(TCustomPanel* panel) {
  if (panel == this) {
    static constexpr char kRefused[] =
        "Sorry, you can't select the Form assign to FormPanel property";
    if (TApplication* app = TApplication::Current())
      app->MessageBox(kRefused, app->Title(), MB_OK);
    else
      MessageBoxA(nullptr, kRefused, "", MB_OK);
    return;
  }
  form_panel_ = panel;
  if (!panel) return;
  panel->SetAlign(TAlign::alClient);
  if (dynamic_cast<TPanel*>(panel)) {
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetBevelInner(TBevelCut::bvNone);
    panel->SetBorderStyle(framework::TBorderStyle::bsNone);
  }
  panel->SetCaption("");
}

bool TsuiForm::TitleBarCustom() const { return title_bar_ && title_bar_->Custom(); }

void TsuiForm::SetTitleBarCustom(bool v) {
  if (title_bar_) title_bar_->SetCustom(v);
}

TsuiTitleBarButtons& TsuiForm::TitleBarButtons() { return title_bar_->Buttons(); }

void TsuiForm::SetTitleBarButtons(const TsuiTitleBarButtons& buttons) {
  if (title_bar_) title_bar_->SetButtons(buttons);
}

TsuiTitleBarSections& TsuiForm::TitleBarSections() { return title_bar_->Sections(); }

void TsuiForm::SetTitleBarSections(const TsuiTitleBarSections& sections) {
  if (title_bar_) title_bar_->SetSections(sections);
}

bool TsuiForm::TitleBarDrawAppIcon() const { return !title_bar_ || title_bar_->DrawAppIcon(); }

void TsuiForm::SetTitleBarDrawAppIcon(bool v) {
  if (title_bar_) title_bar_->SetDrawAppIcon(v);
}

TFont& TsuiForm::Font() { return title_bar_ ? title_bar_->Font() : TCustomPanel::Font(); }

void TsuiForm::SetFont(const TFont& font) { Font().Assign(font); }

int TsuiForm::RoundCorner() const {
  return title_bar_ && title_bar_->Visible() ? title_bar_->RoundCorner() : 0;
}

void TsuiForm::SetRoundCorner(int radius) {
  if (title_bar_) title_bar_->SetRoundCorner(radius);
  UpdateFormRegion();
}

int TsuiForm::RoundCornerBottom() const {
  return title_bar_ && title_bar_->Visible() ? title_bar_->RoundCornerBottom() : 0;
}

void TsuiForm::SetRoundCornerBottom(int radius) {
  if (title_bar_) title_bar_->SetRoundCornerBottom(radius);
  UpdateFormRegion();
}

TColor TsuiForm::InactiveCaptionColor() const {
  return title_bar_ ? title_bar_->InactiveCaptionColor() : framework::clInactiveCaption;
}

void TsuiForm::SetInactiveCaptionColor(TColor color) {
  if (title_bar_) title_bar_->SetInactiveCaptionColor(color);
}

}  // namespace kestrova::skin
