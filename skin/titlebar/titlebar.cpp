// TsuiTitleBar: construction, the property setters and the two layouts a
// style gives the bar (built-in table or file theme).
#include "skin/titlebar/titlebar.h"

#include <algorithm>

#include "framework/form.h"
#include "framework/system_locale.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"
#include "skin/titlebar/titlebar_keys.h"

namespace kestrova::skin {

using namespace framework;

namespace {

constexpr TColor kCaptionWhite = 0xFFFFFF;
constexpr TColor kCaptionBlack = 0x000000;
constexpr int kMinimumFormHeight = 50;

}  // namespace

TsuiTitleBar::TsuiTitleBar(TComponent* owner)
    : TCustomPanel(owner),
      sections_(this),
      buttons_(this),
      inactive_caption_color_(clInactiveCaption),
      system_menu_(new TsuiTitleBarPopupMenu(this)) {
  ChangeStyle(TControlStyleFlag::csAcceptsControls, false);
  SetBevelOuter(TBevelCut::bvNone);
  SetParentBiDiMode(true);
  SetAlign(TAlign::alTop);
  SetParentFont(false);
  Font().SetName("Tahoma");
  Font().SetColor(kCaptionWhite);
  Font().SetStyle(TFontStyles{TFontStyle::fsBold});
  for (auto type : {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
                    TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin})
    buttons_.Add()->SetButtonType(type);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TsuiTitleBar::~TsuiTitleBar() = default;

bool TsuiTitleBar::OnSkinnedForm() const {
  return dynamic_cast<TsuiTitleBarHost*>(Parent()) != nullptr;
}

bool TsuiTitleBar::RightToLeftReading() const {
  return BiDiMode() == TBiDiMode::bdRightToLeft && MiddleEasternLocale();
}

int TsuiTitleBar::QueryFrameWidth() const {
  TForm* form = ParentForm();
  if (!form) return 0;
  if (!form->HandleAllocated()) return 0;  // no frame has taken a window over yet
  return int(SendMessageW(form->Handle(), SUIM_GETBORDERWIDTH, 0, 0));
}

void TsuiTitleBar::SetButtonInterval(int interval) {
  button_interval_ = interval;
  Paint();
}

void TsuiTitleBar::SetFormActive(bool active) {
  form_active_ = active;
  Paint();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset) {
  left_btn_x_offset_ = offset;
  Paint();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset) {
  right_btn_x_offset_ = offset;
  Paint();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw) {
  draw_app_icon_ = draw;
  Paint();
}

void TsuiTitleBar::SetInactiveCaptionColor(TColor color) {
  inactive_caption_color_ = color;
  Paint();
}

void TsuiTitleBar::SetText(const std::string& text) {
  TCustomPanel::SetText(text);
  Paint();
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme) {
  BindFileTheme(*this, file_theme_, theme);
  keep_font_color_ = true;
  SetUIStyle(ui_style_);
  keep_font_color_ = false;
}

void TsuiTitleBar::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (sections_.Count() == 0) {
    auto_size_ = false;
    return;
  }
  int height = sections_.Items(0)->Picture().Height() - FrameTopOverlap();
  SetHeight(std::max(height, 0));
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  if (custom_) return;
  TsuiUIStyle effective;
  const bool from_theme = UsingFileTheme(file_theme_, ui_style_, effective);
  sections_.BeginUpdate();
  sections_.Clear();
  if (from_theme)
    ApplyFileThemeLayout();
  else
    ApplyBuiltInLayout(effective);
  sections_.EndUpdate();
  buttons_.BeginUpdate();
  for (int i = 0; i < buttons_.Count(); ++i) buttons_.Items(i)->SetUIStyle(effective);
  buttons_.EndUpdate();
  system_menu_->SetUIStyle(effective);
  system_menu_->SetFileTheme(file_theme_);
  if (!keep_font_color_) ApplyStyleFont(from_theme);
  SetAutoSize(true);
  Paint();
}

void TsuiTitleBar::ApplyStyleFont(bool file_theme) {
  if (ui_style_ == TsuiUIStyle::MacOS)
    Font().SetColor(kCaptionBlack);
  else if (file_theme)
    Font().SetColor(TColor(file_theme_->GetColor(titlebar_keys::kTitleFontColor)));
  else
    Font().SetColor(kCaptionWhite);
}

void TsuiTitleBar::AddSection(const TBitmap& picture, bool auto_size, TsuiTitleBarAlign align,
                              bool cap_sec) {
  TsuiTitleBarSection* s = sections_.Add();
  s->SetPicture(picture);
  if (auto_size) s->SetAutoSize(true);
  if (align != TsuiTitleBarAlign::suiLeft) s->SetAlign(align);
  if (cap_sec) s->SetCapSec(true);
}

void TsuiTitleBar::SetFormMinimumSize(int width, int height) {
  TForm* form = ParentForm();
  if (!form) return;
  form->Constraints().SetMinWidth(width);
  if (height >= 0) form->Constraints().SetMinHeight(height);
}

void TsuiTitleBar::ApplyBuiltInLayout(TsuiUIStyle style) {
  auto picture = [style](int entry) {
    TBitmap b;
    GetBuiltInBitmap(style, entry, &b, 0, 0);
    return b;
  };
  AddSection(picture(entry::kTitleLeft), true, TsuiTitleBarAlign::suiLeft);
  AddSection(picture(entry::kTitleRight), true, TsuiTitleBarAlign::suiRight);
  AddSection(picture(entry::kTitleClient), false, TsuiTitleBarAlign::suiClient);
  left_btn_x_offset_ = GetBuiltInInteger(style, entry::kLeftBtnXOffset);
  right_btn_x_offset_ = GetBuiltInInteger(style, entry::kRightBtnXOffset);
  button_top_ = GetBuiltInInteger(style, entry::kTitleButtonTop) - FrameTopOverlap();
  icon_top_ = button_top_;
  SetFormMinimumSize(GetBuiltInInteger(style, entry::kMinimumWidth), kMinimumFormHeight);
  round_corner_ = GetBuiltInInteger(style, entry::kRoundCorner);
  round_corner_bottom_ = 0;
}

void TsuiTitleBar::ApplyFileThemeLayout() {
  using namespace titlebar_keys;
  TsuiFileTheme& theme = *file_theme_;
  five_sections_ = theme.GetBool(kFiveSections);
  trans_color_ = TColor(theme.GetColor(kTransColor));
  auto picture = [&theme](int n) {
    TBitmap b;
    theme.GetBitmapFrame(TitleBarPicture(n), b, 0, 0);
    return b;
  };
  const TBitmap first = picture(1), third = picture(3);
  AddSection(first, true, TsuiTitleBarAlign::suiLeft);
  int last_width = 0;
  if (five_sections_) {
    AddSection(picture(2), false, TsuiTitleBarAlign::suiLeft, true);
    AddSection(third, true, TsuiTitleBarAlign::suiLeft);
    AddSection(picture(4), false, TsuiTitleBarAlign::suiClient);
    TBitmap fifth = picture(5);
    AddSection(fifth, true, TsuiTitleBarAlign::suiRight);
    last_width = fifth.Width();
  } else {
    AddSection(picture(2), false, TsuiTitleBarAlign::suiClient);
    AddSection(third, true, TsuiTitleBarAlign::suiRight);
  }
  left_btn_x_offset_ = theme.GetInteger(kIconPosX);
  right_btn_x_offset_ = theme.GetInteger(kButtonPosX);
  const int on_frame = FrameTopOverlap();
  button_top_ = theme.GetInteger(kButtonPosY) - on_frame;
  icon_top_ = theme.GetInteger(kIconPosY) - on_frame;
  caption_top_ = theme.GetInteger(kCaptionTop);
  form_color_ = TColor(theme.GetColor(kFormColor));
  const TBitmap* strip = theme.GetBitmap(kTitleButtons);
  const int button_span = (strip ? strip->Width() / kTitleButtonFrames : 0) * buttons_.Count() +
                          theme.GetInteger(kButtonPosX);
  const int min_width = five_sections_
                            ? first.Width() + third.Width() + std::max(last_width, button_span) + 16
                            : first.Width() + std::max(third.Width(), button_span);
  SetFormMinimumSize(min_width, -1);
}

void TsuiTitleBar::UpdateMaximizeButtons() {
  for (int i = 0; i < buttons_.Count(); ++i)
    if (buttons_.Items(i)->ButtonType() == TsuiTitleBarBtnType::suiMax)
      buttons_.Items(i)->LoadMaximizePictures();
}

bool TsuiTitleBar::HasStandardSections() const {
  const int n = sections_.Count();
  auto has = [this](int i) { return !sections_.Items(i)->Picture().Empty(); };
  if (n != 3 && n != 5) return false;
  if (n == 5 && !(has(0) && has(1))) return false;
  return has(n - 3) && has(n - 2) && has(n - 1);
}

TBitmap* TsuiTitleBar::GetTitleImage(int index) {
  if (index == -1) return &region_image_;
  if (index == -2) return &back_image_;
  if (index >= 0 && index < sections_.Count() && sections_.Count() > 2)
    return &sections_.Items(index)->Picture().Bitmap();
  return nullptr;
}

void TsuiTitleBar::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  buttons_.Notification(component, operation);
  if (component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
}

}  // namespace kestrova::skin
