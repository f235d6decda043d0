// TsuiMenuLook: the look both skinned menus share (style defaults, colours,
// heights, fonts) and the owner-draw routines that measure and paint their
// items with it. A skinned menu class derives from its framework menu and
// from TsuiMenuLook, and hooks its items with HookItems.
//
//   class TsuiPopupMenu : public TPopupMenu, public TsuiMenuLook { ... };
//   look.SetUIStyle(TsuiUIStyle::WinXP);   // heights and colours of WinXP
//   HookItems(*Items());                   // every item drawn by its menu's look
#pragma once

#include <windows.h>

#include <string>

#include "framework/canvas.h"
#include "framework/colors.h"
#include "framework/component.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "skin/style_table.h"

namespace kestrova::skin {

class TsuiFileTheme;

class TsuiMenuLook {
 public:
  virtual ~TsuiMenuLook();
  TsuiMenuLook(const TsuiMenuLook&) = delete;
  TsuiMenuLook& operator=(const TsuiMenuLook&) = delete;

  TsuiUIStyle UIStyle() const { return ui_style_; }
  // Sets the style's heights and colours (BarWidth 26).
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);

  int MenuItemHeight() const { return menu_item_height_; }
  virtual void SetMenuItemHeight(int height);
  int SeparatorHeight() const { return separator_height_; }
  // Ignored while the style is MacOS (its separators are pictures).
  void SetSeparatorHeight(int height);
  int BarWidth() const { return bar_width_; }
  void SetBarWidth(int width) { bar_width_ = width; }
  framework::TColor BarColor() const { return bar_color_; }
  void SetBarColor(framework::TColor c) { bar_color_ = c; }
  framework::TColor BarToColor() const { return bar_to_color_; }
  void SetBarToColor(framework::TColor c) { bar_to_color_ = c; }
  framework::TColor Color() const { return color_; }
  void SetColor(framework::TColor c) { color_ = c; }
  framework::TColor SeparatorColor() const { return separator_color_; }
  void SetSeparatorColor(framework::TColor c) { separator_color_ = c; }
  framework::TColor SelectedBorderColor() const { return selected_border_color_; }
  void SetSelectedBorderColor(framework::TColor c) { selected_border_color_ = c; }
  framework::TColor SelectedColor() const { return selected_color_; }
  void SetSelectedColor(framework::TColor c) { selected_color_ = c; }
  framework::TColor SelectedFontColor() const { return selected_font_color_; }
  void SetSelectedFontColor(framework::TColor c) { selected_font_color_ = c; }
  framework::TColor FontColor() const { return font_color_; }
  void SetFontColor(framework::TColor c) { font_color_ = c; }
  // Kept for designs; the drawing does not use it.
  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor c) { border_color_ = c; }
  bool FlatMenu() const { return flat_menu_; }
  void SetFlatMenu(bool v) { flat_menu_ = v; }
  const std::string& FontName() const { return font_name_; }
  void SetFontName(const std::string& name) { font_name_ = name; }
  int FontSize() const { return font_size_; }
  void SetFontSize(int size) { font_size_ = size; }
  int FontCharset() const { return font_charset_; }
  void SetFontCharset(int charset) { font_charset_ = charset; }
  bool UseSystemFont() const { return use_system_font_; }
  virtual void SetUseSystemFont(bool v) { use_system_font_ = v; }

  // Gives `font` the menu's caption font: the system menu font, or FontName,
  // FontSize and FontCharset.
  void ApplyFont(framework::TFont& font) const;

  // The owner-draw routines of an item of this menu.
  void MeasureItem(const framework::TMenuItem& item, framework::TCanvas& canvas, int& width,
                   int& height) const;
  void DrawItem(const framework::TMenuItem& item, framework::TCanvas& canvas, const RECT& rect,
                framework::TOwnerDrawState state) const;

  // Points the measure and draw handlers of `item` and every item under it
  // at the look of the menu each item belongs to.
  static void HookItems(framework::TMenuItem& item);

 protected:
  // `holder` is the menu component (it holds the file theme's notification).
  explicit TsuiMenuLook(framework::TComponent* holder);
  // Called from the menu's Notification: a removed file theme is dropped and
  // the style falls back to DeepBlue.
  void LookNotification(framework::TComponent* component, framework::TOperation operation);

  // The caller's item images, or none.
  virtual const framework::TImageList* ItemImages() const = 0;
  // The check mark drawn for a checked item without an image.
  virtual const framework::TImageList& CheckMarks() const = 0;
  virtual bool RightToLeft() const = 0;

 private:
  framework::TComponent* holder_;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
  int menu_item_height_ = 21;
  int separator_height_ = 21;
  int bar_width_ = 0;
  framework::TColor bar_color_ = framework::clBtnFace;
  framework::TColor bar_to_color_ = framework::clBtnFace;
  framework::TColor color_ = framework::clWhite;
  framework::TColor separator_color_ = 0x808080;
  framework::TColor selected_border_color_ = framework::clHighlight;
  framework::TColor selected_color_ = framework::clHighlight;
  framework::TColor selected_font_color_ = framework::clWhite;
  framework::TColor font_color_ = framework::clWhite;
  framework::TColor border_color_ = 0;
  bool flat_menu_ = false;
  std::string font_name_ = "MS Sans Serif";
  int font_size_ = 8;
  int font_charset_ = DEFAULT_CHARSET;
  bool use_system_font_ = true;

  friend struct MenuItemPainter;
};

// A check-mark list made from the built-in picture "MENU_CHECKED" (white is
// see-through).
void LoadCheckMarks(framework::TImageList& list);
// The one check-mark list all skinned popup menus share, made on first use.
const framework::TImageList& SharedCheckMarks();

}  // namespace kestrova::skin
