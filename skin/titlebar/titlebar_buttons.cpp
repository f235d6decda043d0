// TsuiTitleBarButton: the role's pictures from the style's strip (or the
// file theme's), the one-control-box rule, and what a click does to the form.
#include "skin/titlebar/titlebar_buttons.h"

#include "framework/application.h"
#include "framework/form.h"
#include "framework/text.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"
#include "skin/titlebar/titlebar_keys.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// How far right of the bar's left edge a right-to-left control-box menu opens.
constexpr int kRightToLeftMenuShift = 176;

}  // namespace

int TitleButtonFirstFrame(TsuiTitleBarBtnType type) {
  switch (type) {
    case TsuiTitleBarBtnType::suiControlBox:
      return 1;
    case TsuiTitleBarBtnType::suiHelp:
      return 4;
    case TsuiTitleBarBtnType::suiMax:
      return 7;
    case TsuiTitleBarBtnType::suiMin:
      return 13;
    case TsuiTitleBarBtnType::suiClose:
      return 16;
    case TsuiTitleBarBtnType::suiCustom:
      break;
  }
  return 0;
}

void ShowTitleBarMisuse(const char* text) {
  MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

TsuiTitleBarButton::TsuiTitleBarButton() = default;
TsuiTitleBarButton::~TsuiTitleBarButton() = default;

TsuiTitleBar* TsuiTitleBarButton::Bar() const {
  auto* buttons = dynamic_cast<TsuiTitleBarButtons*>(Collection());
  return buttons ? buttons->Bar() : nullptr;
}

bool TsuiTitleBarButton::HasPictures() const {
  return !pictures_[0].Empty() && !pictures_[1].Empty() && !pictures_[2].Empty();
}

void TsuiTitleBarButton::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

bool TsuiTitleBarButton::ControlBoxTaken() const {
  const TCollection* buttons = Collection();
  if (!buttons) return type_ == TsuiTitleBarBtnType::suiControlBox;
  for (int i = 0; i < buttons->Count(); ++i) {
    auto* b = static_cast<const TsuiTitleBarButton*>(buttons->Item(i));
    if (b->type_ == TsuiTitleBarBtnType::suiControlBox) return true;
  }
  return false;
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type) {
  if (type == TsuiTitleBarBtnType::suiControlBox && ControlBoxTaken()) {
    ShowTitleBarMisuse("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
    return;
  }
  type_ = type;
  LoadStylePictures();
  Changed();
}

void TsuiTitleBarButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

void TsuiTitleBarButton::SetTop(int top) {
  top_ = top;
  Changed();
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  LoadStylePictures();
  Changed();
}

void TsuiTitleBarButton::SetPicture(int index, const TPicture& picture) {
  pictures_[index].Assign(picture);
  Changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu) {
  control_box_menu_ = menu;
  FreeNotify(menu);
}

void TsuiTitleBarButton::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == control_box_menu_)
    control_box_menu_ = nullptr;
}

void TsuiTitleBarButton::LoadFrames(int first) {
  TsuiTitleBar* bar = Bar();
  TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
  TsuiUIStyle style;
  const bool from_theme = UsingFileTheme(theme, ui_style_, style);
  for (int k = 0; k < 3; ++k) {
    TBitmap& picture = pictures_[k].Bitmap();
    if (from_theme)
      theme->GetBitmapFrame(titlebar_keys::kTitleButtons, picture, kTitleButtonFrames, first + k);
    else
      GetBuiltInBitmap(style, entry::kTitleButtons, &picture, kTitleButtonFrames, first + k);
  }
}

void TsuiTitleBarButton::LoadStylePictures() {
  TsuiTitleBar* bar = Bar();
  TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
  TsuiUIStyle style;
  const bool from_theme = UsingFileTheme(theme, ui_style_, style);
  transparent_ = from_theme ? theme->GetBool(titlebar_keys::kButtonsTransparent)
                            : GetBuiltInBool(style, entry::kTitleButtonTransparent);
  const int first = TitleButtonFirstFrame(type_);
  if (first == 0) return;  // custom pictures stay
  LoadFrames(first);
  top_ = from_theme ? theme->GetInteger(titlebar_keys::kButtonPosY)
                    : GetBuiltInInteger(style, entry::kTitleButtonTop);
  if (type_ == TsuiTitleBarBtnType::suiMax) LoadMaximizePictures();
}

void TsuiTitleBarButton::LoadMaximizePictures() {
  if (type_ != TsuiTitleBarBtnType::suiMax) return;
  TsuiTitleBar* bar = Bar();
  if (bar && bar->Custom()) return;
  TForm* form = bar ? bar->ParentForm() : nullptr;
  const bool maximized = form && form->WindowState() == TWindowState::wsMaximized;
  LoadFrames(maximized ? kRestoreFirstFrame : TitleButtonFirstFrame(type_));
  Changed();
}

void TsuiTitleBarButton::Maximize() {
  TsuiTitleBar* bar = Bar();
  TForm* form = bar->ParentForm();
  if (form->WindowState() == TWindowState::wsMaximized) {
    form->SetWindowState(TWindowState::wsNormal);
  } else {
    form->SetWindowState(TWindowState::wsMaximized);
    if (!bar->OnSkinnedForm()) {
      RECT a = GetWorkArea();
      SetControlBounds(*form, RECT{a.left - 2, a.top - 2, a.right + 2, a.bottom - 1});
    }
  }
  LoadMaximizePictures();
}

void TsuiTitleBarButton::PopUpControlBoxMenu() {
  TsuiTitleBar* bar = Bar();
  POINT p = bar->ClientToScreen(
      POINT{bar->RightToLeftReading() ? kRightToLeftMenuShift : 0, bar->Height()});
  if (p.x < 0) p.x = 0;
  control_box_menu_->SetPopupComponent(bar);
  control_box_menu_->Popup(p.x, p.y);
}

void TsuiTitleBarButton::PerformAction() {
  TsuiTitleBar* bar = Bar();
  if (!bar || (bar->Designing() && type_ != TsuiTitleBarBtnType::suiClose)) return;
  TForm* form = bar->ParentForm();
  if (!form) return;
  switch (type_) {
    case TsuiTitleBarBtnType::suiMax:
      return Maximize();
    case TsuiTitleBarBtnType::suiMin:
      return MinimizeForm(*form);
    case TsuiTitleBarBtnType::suiClose:
      return form->Close();
    case TsuiTitleBarBtnType::suiControlBox:
      if (control_box_menu_) PopUpControlBoxMenu();
      return;
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom:
      return;  // the bar fires its events
  }
}

void MinimizeForm(TForm& form) {
  TApplication* app = TApplication::Current();
  if (app && app->MainForm() == &form)
    SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);  // the whole application
  else
    form.SetWindowState(TWindowState::wsMinimized);
}

void TsuiTitleBarButton::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TsuiTitleBarButton*>(&source);
  if (!other) return TCollectionItem::Assign(source);
  SetVisible(other->visible_);
  SetButtonType(other->type_);
  SetTransparent(other->transparent_);
  SetTop(other->top_);
  SetUIStyle(other->ui_style_);
  for (int k = 0; k < 3; ++k) pictures_[k].Assign(other->pictures_[k]);
  SetControlBoxMenu(other->control_box_menu_);
  Changed();
}

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* bar) : TOwnedCollection(bar), bar_(bar) {}

TsuiTitleBarButton* TsuiTitleBarButtons::FindVisible(TsuiTitleBarBtnType type) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible() && Items(i)->ButtonType() == type) return Items(i);
  return nullptr;
}

void TsuiTitleBarButtons::Update(TCollectionItem*) {
  if (bar_) bar_->Paint();
}

}  // namespace kestrova::skin
