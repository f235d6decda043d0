// TsuiForm: the skinned frame of a form. Dropped on a form it fills the
// client area, strips the window's caption, narrows the system frame and
// paints it itself, shapes the window with a region and carries a picture
// title bar (and, with a main menu, a skinned menu bar) at its top. The
// form's other controls go on it.
//
//   auto* frame = new TsuiForm(form);     // takes the form over
//   frame->SetParent(form);
//   frame->SetUIStyle(TsuiUIStyle::MacOS);
//   auto* ok = new TsuiButton(form);
//   ok->SetParent(frame);
//
// Only the first TsuiForm on a form takes it over; another one, or one whose
// owner is no form, is a plain panel.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/application_events.h"
#include "framework/bitmap.h"
#include "framework/form.h"
#include "framework/panel.h"
#include "framework/tool_bar.h"
#include "skin/menus/menu_bar_host.h"
#include "skin/style_table.h"
#include "skin/titlebar/titlebar_types.h"

namespace kestrova::framework {
class TMainMenu;
class TCollection;
}  // namespace kestrova::framework

namespace kestrova::skin {

class TsuiFileTheme;
class TsuiTitleBar;
class TsuiTitleBarButtons;
class TsuiTitleBarSections;
class TsuiMenuBar;

class TsuiForm : public framework::TCustomPanel, public TsuiTitleBarHost, public MenuBarHost {
  KESTROVA_CLASS(TsuiForm)

 public:
  explicit TsuiForm(framework::TComponent* owner);
  ~TsuiForm() override;

  // Published properties, in design order.
  bool TitleBarCustom() const;
  void SetTitleBarCustom(bool v);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  bool UIStyleAutoUpdateSub() const { return ui_style_auto_update_sub_; }
  void SetUIStyleAutoUpdateSub(bool v) { ui_style_auto_update_sub_ = v; }
  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor color);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  bool TitleBarVisible() const;
  void SetTitleBarVisible(bool visible);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  framework::TCustomPanel* FormPanel() const { return form_panel_; }
  void SetFormPanel(framework::TCustomPanel* panel);
  TsuiTitleBarButtons& TitleBarButtons();
  void SetTitleBarButtons(const TsuiTitleBarButtons& buttons);
  TsuiTitleBarSections& TitleBarSections();
  void SetTitleBarSections(const TsuiTitleBarSections& sections);
  bool TitleBarDrawAppIcon() const;
  void SetTitleBarDrawAppIcon(bool v);
  // The title caption's font (the title bar's).
  framework::TFont& Font();
  void SetFont(const framework::TFont& font);
  framework::TMainMenu* Menu() const { return menu_; }
  void SetMenu(framework::TMainMenu* menu);
  framework::TColor MenuBarColor() const { return menu_bar_color_; }
  void SetMenuBarColor(framework::TColor color);
  framework::TColor MenuBarToColor() const { return menu_bar_to_color_; }
  void SetMenuBarToColor(framework::TColor color);
  int MenuBarHeight() const;
  void SetMenuBarHeight(int height);
  int RoundCorner() const;
  void SetRoundCorner(int radius);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int radius);
  std::string Version() const { return "6.2"; }
  void SetVersion(const std::string&) {}
  framework::TColor InactiveCaptionColor() const;
  void SetInactiveCaptionColor(framework::TColor color);

  // The title bar's click events (a plain panel's own, which never fire).
  TsuiTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick();
  TsuiTitleBarButtonClickEvent& OnTitleBarHelpBtnClick();

  TsuiTitleBar* TitleBar() const { return title_bar_; }
  TsuiMenuBar* MenuBar() const { return menu_bar_; }
  framework::TForm* OwnerForm() const { return owner_form_; }
  // Whether this frame took its form over.
  bool TookOver() const { return bool(app_events_); }
  // The title bar's height + 3 while it is shown, else 0.
  int GetTitleAreaHeight() const;

  // Paints the window's non-client frame now.
  void PaintFormBorder() override;
  // Sets the window's region now (rounded corners or the skin's outline).
  void UpdateFormRegion();

  // The form menu bar.
  void CreateMenuBar();
  void DestroyMenuBar();
  void UpdateMenuBar() override;
  void UpdateMenuBarItems() override;
  void UpdateMenuBarFont() override;
  void HandleMenuShortCut(framework::TMessage& message);
  void DrawMenuBarButton(framework::TToolBar* sender, framework::TToolButton* button,
                         framework::TCustomDrawState state, bool& defaultDraw);
  void DrawMenuBarBackground(framework::TToolBar* sender, const RECT& rect, bool& defaultDraw);

  void WndProc(framework::TMessage& message) override;

 protected:
  void Paint() override;
  void Resize() override;
  void Loaded() override;
  void BeforeDestroy() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  friend class FormFrameAccess;

  // The menu's share of a style change, of the frame's removal and of its
  // destruction (form_menu_bar.cpp).
  void ApplyStyleToMenu();
  void DetachMenu();
  void FreeMenuBar();
  // A component dropped on the form while it is designed: a main menu.
  void MenuInserted(framework::TComponent* component);

  bool TakeOver(framework::TForm* form);
  void MeasureFrame(framework::TForm& form);
  void GiveBack();
  void FrameRefresh();
  void FormWndProc(framework::TMessage& message);
  void CalcFrameSize(framework::TMessage& message);
  LRESULT FrameWidthQueryReply() const;
  void HandleAfterDefault(framework::TMessage& message);
  void HandleMdiActivate(framework::TMessage& message);
  void HandleMdiDestroy();
  void HandleSize();
  void HandleMdiChildSize();
  void ApplyFileThemeLook();
  void ApplyBuiltInLook(TsuiUIStyle effective);
  void ApplicationMessage(MSG& message, bool& handled);
  bool Minimized() const;
  bool Designing() const;
  void RepaintTitleBar();

  // Border painting, one step each.
  void PaintBuiltInBorder(framework::TCanvas& canvas, int width, int height);
  void PaintBuiltInTop(framework::TCanvas& canvas, int width);
  void ComposeBuiltInTop(framework::TBitmap& left, framework::TBitmap& right,
                         framework::TBitmap& client, int width);
  void PaintCornerArcs(framework::TCanvas& canvas, int width);
  void PaintInnerStrips(framework::TCanvas& canvas, int width, int height);
  void PaintFileThemeBorder(framework::TCanvas& canvas, int width, int height);
  void PaintFileThemeSides(framework::TCanvas& canvas, int width, int height);
  void PaintFileThemeBottom(framework::TCanvas& canvas, int width, int height);
  void PaintLikeMenuBar(framework::TCanvas& canvas, const RECT& rect);
  void UpdateBuiltInRegion(int width, int height);
  void UpdatePictureRegion(int width, int height);

  framework::TForm* owner_form_ = nullptr;
  TsuiTitleBar* title_bar_ = nullptr;
  TsuiMenuBar* menu_bar_ = nullptr;
  framework::TMainMenu* menu_ = nullptr;
  framework::TCustomPanel* form_panel_ = nullptr;
  TsuiFileTheme* file_theme_ = nullptr;
  framework::OwnedComponent<framework::TApplicationEvents> app_events_;
  framework::TWndMethod old_window_proc_;
  framework::TBitmap bottom_border_bitmap_;
  struct BackgroundKey {
    int width = 0, height = 0;
    TsuiUIStyle style = TsuiUIStyle::FromThemeFile;
    framework::TColor color = 0;
    friend bool operator==(const BackgroundKey&, const BackgroundKey&) = default;
  };
  framework::TBitmap background_;
  BackgroundKey background_key_;
  // The title pictures' part under the frame, composed once for the bar's
  // pictures and the window's width (form_border.cpp).
  struct TopKey {
    int width = 0, border_width = 0;
    uint64_t bar_compositions = 0;
    friend bool operator==(const TopKey&, const TopKey&) = default;
  };
  framework::TBitmap top_left_, top_right_, top_row_;
  TopKey top_key_;
  bool top_kept_ = false;
  TsuiTitleBarButtonClickEvent no_custom_btns_click_;
  TsuiTitleBarButtonClickEvent no_help_btn_click_;

  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  bool ui_style_auto_update_sub_ = false;
  framework::TColor border_color_ = 0;
  int border_width_ = 1;
  framework::TColor menu_bar_color_ = 0xE8E8E8;
  framework::TColor menu_bar_to_color_ = 0xE8E8E8;
  int menu_bar_height_value_ = 22;

  int frame_left_ = 4;
  int frame_bottom_ = 4;
  int left_border_width_ = 0;
  int right_border_width_ = 0;
  int bottom_border_height_ = 0;
  framework::TColor trans_color_ = 0xFF00FF;
  bool title_need_region_ = false;
  bool bottom_need_region_ = false;
  int title_region_min_y_ = -1;
  int title_region_max_y_ = -1;
  int bottom_region_min_y_ = -1;
  int bottom_region_max_y_ = -1;

  framework::TFormBorderStyle saved_border_style_ = framework::TFormBorderStyle::bsSizeable;
  bool destroying_ = false;
  RECT restore_bounds_{};
  bool created_maximized_ = false;
  bool title_bar_wanted_ = true;
  bool changing_title_bar_ = false;
  bool mdi_maximized_ = false;
  bool mdi_restored_once_ = false;
  bool mdi_created_maximized_ = false;
};

// Gives `window` the region of the skin pictures: one rectangle per run of
// pixels not in `transparent` in the rows the bands shape, whole rows
// elsewhere, combined in one call. The window owns the region.
void BuildPictureRegion(HWND window, framework::TBitmap* title, framework::TBitmap* bottom,
                        int width, int height, framework::TColor transparent, int titleMinY,
                        int titleMaxY, int bottomMinY, int bottomMaxY, bool titleNeedRegion,
                        bool bottomNeedRegion);

// Registers TsuiForm (and the title bar's classes) for stored designs.
void RegisterFormClasses();

}  // namespace kestrova::skin
