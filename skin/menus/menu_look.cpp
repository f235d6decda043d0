// The skinned menus' shared properties: the values set at creation and the
// style defaults that every UIStyle assignment sets.
#include "skin/menus/menu_look.h"

#include "framework/menu_font.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/theme_binding.h"

namespace kestrova::skin {

using namespace framework;

namespace {

// Heights and separator colour of every style but MacOS (file themes too).
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;
constexpr TColor kSeparatorColor = 0x848284;
// MacOS items and separators are pictures of these heights.
constexpr int kMacItemHeight = 20;
constexpr int kMacSeparatorHeight = 12;
constexpr int kStyleBarWidth = 26;

// The theme's menu colours, by their colour index.
constexpr TsuiFileThemeColor kLeftBarStart{9}, kLeftBarEnd{10}, kItemColor{11}, kItemFontColor{12},
    kSelectedColor{13}, kSelectedBorderColor{14}, kSelectedFontColor{15};

}  // namespace

TsuiMenuLook::TsuiMenuLook(TComponent* holder) : holder_(holder) {}

TsuiMenuLook::~TsuiMenuLook() = default;

void TsuiMenuLook::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  bar_width_ = kStyleBarWidth;
  TsuiUIStyle effective;
  if (UsingFileTheme(file_theme_, style, effective)) {
    menu_item_height_ = kItemHeight;
    separator_height_ = kSeparatorHeight;
    separator_color_ = kSeparatorColor;
    bar_color_ = TColor(file_theme_->GetColor(kLeftBarStart));
    bar_to_color_ = TColor(file_theme_->GetColor(kLeftBarEnd));
    color_ = TColor(file_theme_->GetColor(kItemColor));
    font_color_ = TColor(file_theme_->GetColor(kItemFontColor));
    selected_color_ = TColor(file_theme_->GetColor(kSelectedColor));
    selected_border_color_ = TColor(file_theme_->GetColor(kSelectedBorderColor));
    selected_font_color_ = TColor(file_theme_->GetColor(kSelectedFontColor));
    return;
  }
  bool mac = effective == TsuiUIStyle::MacOS;
  menu_item_height_ = mac ? kMacItemHeight : kItemHeight;
  separator_height_ = mac ? kMacSeparatorHeight : kSeparatorHeight;
  separator_color_ = mac ? clBlack : kSeparatorColor;
  bar_color_ = bar_to_color_ = GetBuiltInColor(effective, entry::kMenuBarColor);
  color_ = GetBuiltInColor(effective, entry::kMenuColor);
  font_color_ = GetBuiltInColor(effective, entry::kMenuFontColor);
  selected_border_color_ = GetBuiltInColor(effective, entry::kMenuSelectedBorderColor);
  selected_color_ = GetBuiltInColor(effective, entry::kMenuSelectedColor);
  selected_font_color_ = GetBuiltInColor(effective, entry::kMenuSelectedFontColor);
}

void TsuiMenuLook::SetFileTheme(TsuiFileTheme* theme) {
  if (holder_)
    BindFileTheme(*holder_, file_theme_, theme);
  else
    file_theme_ = theme;
  SetUIStyle(ui_style_);
}

void TsuiMenuLook::SetMenuItemHeight(int height) { menu_item_height_ = height; }

void TsuiMenuLook::SetSeparatorHeight(int height) {
  if (ui_style_ != TsuiUIStyle::MacOS) separator_height_ = height;
}

void TsuiMenuLook::LookNotification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || !component || component != file_theme_) return;
  file_theme_ = nullptr;
  SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiMenuLook::ApplyFont(TFont& font) const {
  if (use_system_font_) {
    GetSystemMenuFont(font);
    font.SetColor(clMenuText);
    return;
  }
  font.SetName(font_name_);
  font.SetSize(font_size_);
  font.SetCharset(font_charset_);
}

void LoadCheckMarks(TImageList& list) {
  TBitmap mark;
  try {
    mark.LoadFromResourceName(nullptr, "MENU_CHECKED");
  } catch (const Error&) {
    return;  // no check mark: checked items show none
  }
  list.SetWidth(mark.Width());
  list.SetHeight(mark.Height());
  list.AddMasked(mark, clWhite);
}

const TImageList& SharedCheckMarks() {
  static const OwnedComponent<TImageList> list = [] {
    OwnedComponent<TImageList> made(new TImageList(nullptr));
    LoadCheckMarks(*made);
    return made;
  }();
  return *list;
}

}  // namespace kestrova::skin
