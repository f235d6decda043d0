// TsuiTitleBar: the picture title bar of a skinned window, a child window
// docked at the top of its parent. From left to right it draws its picture
// sections, the application icon or control box, the caption and the title
// buttons; dragging its free area moves the form, a double click maximizes
// or restores it, and the control box shows the window menu. Everything is
// composed off screen and copied in one blit.
//
//   auto* bar = new TsuiTitleBar(form);
//   bar->SetParent(form);                  // a plain form works too
//   bar->SetUIStyle(TsuiUIStyle::MacOS);   // sections, buttons, offsets, font colour
//   bar->SetCaption("Screensaver installer for Kestrova");
//   bar->OnHelpBtnClick = [](TComponent*, int index) { ... };
//
// On a skinned form frame (a parent that is a TsuiTitleBarHost) the sections
// run 3 pixels above the bar and under the frame at both sides, by the width
// the frame gives in reply to SUIM_GETBORDERWIDTH.
#pragma once

#include <string>

#include "framework/bitmap.h"
#include "framework/panel.h"
#include "skin/style_table.h"
#include "skin/titlebar/titlebar_buttons.h"
#include "skin/titlebar/titlebar_menu.h"
#include "skin/titlebar/titlebar_sections.h"
#include "skin/titlebar/titlebar_types.h"

namespace kestrova::skin {

class TsuiFileTheme;

class TsuiTitleBar : public framework::TCustomPanel {
  KESTROVA_CLASS(TsuiTitleBar)

 public:
  explicit TsuiTitleBar(framework::TComponent* owner);
  ~TsuiTitleBar() override;

  // True: a style change only stores the style.
  bool Custom() const { return custom_; }
  void SetCustom(bool custom) { custom_ = custom; }
  TsuiUIStyle UIStyle() const { return ui_style_; }
  // Applies the style's sections, buttons, offsets and font colour.
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  // Re-applies the current style; the caption colour stays as it is.
  void SetFileTheme(TsuiFileTheme* theme);
  bool AutoSize() const { return auto_size_; }
  // The height follows the first section's picture, for either value.
  void SetAutoSize(bool auto_size);

  TsuiTitleBarSections& Sections() { return sections_; }
  const TsuiTitleBarSections& Sections() const { return sections_; }
  void SetSections(const TsuiTitleBarSections& sections) { sections_.Assign(sections); }
  TsuiTitleBarButtons& Buttons() { return buttons_; }
  const TsuiTitleBarButtons& Buttons() const { return buttons_; }
  void SetButtons(const TsuiTitleBarButtons& buttons) { buttons_.Assign(buttons); }

  int ButtonInterval() const { return button_interval_; }
  void SetButtonInterval(int interval);
  bool FormActive() const { return form_active_; }
  // False draws the caption in InactiveCaptionColor.
  void SetFormActive(bool active);
  int LeftBtnXOffset() const { return left_btn_x_offset_; }
  void SetLeftBtnXOffset(int offset);
  int RightBtnXOffset() const { return right_btn_x_offset_; }
  void SetRightBtnXOffset(int offset);
  bool DrawAppIcon() const { return draw_app_icon_; }
  void SetDrawAppIcon(bool draw);
  // Corner radii for the window shape; setting them neither repaints nor
  // reshapes.
  int RoundCorner() const { return round_corner_; }
  void SetRoundCorner(int radius) { round_corner_ = radius; }
  int RoundCornerBottom() const { return round_corner_bottom_; }
  void SetRoundCornerBottom(int radius) { round_corner_bottom_ = radius; }
  framework::TColor InactiveCaptionColor() const { return inactive_caption_color_; }
  void SetInactiveCaptionColor(framework::TColor color);
  // Caption: the control's text; setting it repaints.
  void SetText(const std::string& text) override;

  // Redraws the bar at once (its images included), on screen when the
  // window exists. Every change of what the bar shows calls it; a repaint
  // the system asks for shows the bar as last composed (PaintWindow).
  void Paint() override;
  // Every maximize button takes the pictures of its form's window state.
  void UpdateMaximizeButtons();
  // Exactly 3 sections, or 5 whose first two have pictures; the last three
  // with pictures in both cases.
  bool HasStandardSections() const;
  // -1: RegionImage, -2: BackImage; 0 and up: that section's picture when
  // there are more than 2 sections. Null otherwise.
  framework::TBitmap* GetTitleImage(int index);
  // The section row as it spans the whole window width.
  framework::TBitmap& RegionImage() { return region_image_; }
  // RegionImage over the form colour.
  framework::TBitmap& BackImage() { return back_image_; }
  // The window menu shown by a control box without a menu of its own.
  TsuiTitleBarPopupMenu& SystemMenu() { return *system_menu_; }

  // The parent is a skinned form frame.
  bool OnSkinnedForm() const;
  // The rows of the section pictures that run under the top of a skinned
  // frame (none elsewhere).
  static constexpr int kFrameTopRows = 3;
  int FrameTopOverlap() const { return OnSkinnedForm() ? kFrameTopRows : 0; }
  // Right-to-left reading: BiDiMode bdRightToLeft on a Middle-Eastern system.
  bool RightToLeftReading() const;
  // Counts the bars composed: the section pictures and images change only
  // with a new one.
  uint64_t Compositions() const { return compositions_; }
  // The title button under the mouse at the last paint, -1 for none.
  int HotButton() const { return hot_button_; }
  // The top of the right-hand buttons and of the icon or control box.
  int ButtonTop() const { return button_top_; }
  int IconTop() const { return icon_top_; }
  // The caption as fitted into a caption section (empty without one).
  const std::string& CaptionSectionText() const { return caption_section_text_; }

  void WndProc(framework::TMessage& message) override;

  TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
  TsuiTitleBarButtonClickEvent OnHelpBtnClick;

 protected:
  void PaintWindow(HDC dc) override;
  // The picture sections into `b` (and RegionImage, BackImage).
  virtual void DrawSections(framework::TBitmap& b);
  // The title buttons, the icon or control box, and the caption into `b`.
  virtual void DrawButtonsAndCaption(framework::TBitmap& b);

  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void DblClick() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  friend class TsuiTitleBarButton;

  // Reply of the bar's form to SUIM_GETBORDERWIDTH (0 without a form).
  int QueryFrameWidth() const;
  void ApplyBuiltInLayout(TsuiUIStyle style);
  void ApplyFileThemeLayout();
  void AddSection(const framework::TBitmap& picture, bool auto_size, TsuiTitleBarAlign align,
                  bool cap_sec = false);
  void SetFormMinimumSize(int width, int height);
  void ApplyStyleFont(bool file_theme);
  void ShowOnScreen(framework::TBitmap& b);
  POINT SectionInsets() const;
  int CaptionSectionWidth(framework::TCanvas& canvas, int index, int last_left_width);
  void DrawRightSection(framework::TBitmap& b, framework::TBitmap& picture, int left, int top);
  int DrawRightButtons(framework::TBitmap& b, framework::TBitmap& scratch, POINT mouse, int x,
                       int& control_box);
  int DrawControlBox(framework::TBitmap& b, framework::TBitmap& scratch, POINT mouse,
                     int control_box, int icon_x);
  void DrawCaption(framework::TBitmap& b, int icon_x, int right);
  void DrawButtonPicture(framework::TBitmap& b, framework::TBitmap& scratch,
                         TsuiTitleBarButton& button, const RECT& hit, POINT at, POINT mouse,
                         int index);
  void ReleaseOnButton();

  // What the last composed bar depends on besides what calls Paint: a
  // repaint with the same key shows it again.
  struct BarKey {
    int width = 0, height = 0;
    int mouse_x = 0, mouse_y = 0;  // the hot button follows the mouse
    bool mouse_down = false, active = false, right_to_left = false;
    int frame_width = 0;
    uint64_t theme = 0;
    framework::TColor form_color = 0;
    std::string caption;
    bool operator==(const BarKey&) const = default;
  };
  BarKey CurrentBarKey() const;

  bool custom_ = false;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
  bool auto_size_ = false;
  TsuiTitleBarSections sections_;
  TsuiTitleBarButtons buttons_;
  int button_interval_ = 0;
  bool form_active_ = true;
  int left_btn_x_offset_ = 0;
  int right_btn_x_offset_ = 0;
  bool draw_app_icon_ = true;
  int round_corner_ = 0;
  int round_corner_bottom_ = 0;
  framework::TColor inactive_caption_color_;

  bool five_sections_ = false;
  std::string caption_section_text_;
  framework::TBitmap region_image_;
  framework::TBitmap back_image_;
  framework::TColor form_color_ = 0;
  framework::TColor trans_color_ = 0;
  bool mouse_is_down_ = false;
  int hot_button_ = -1;
  int button_top_ = 0;
  int icon_top_ = 0;
  int caption_top_ = 0;
  bool keep_font_color_ = false;
  TsuiTitleBarPopupMenu* system_menu_;  // owned as a component
  framework::TBitmap bar_;              // the bar as last composed
  BarKey bar_key_;
  bool bar_kept_ = false;
  uint64_t compositions_ = 0;
  bool bar_has_caption_section_ = false;
};

// Registers the bar and its items' classes for stored designs.
void RegisterTitleBarClasses();

}  // namespace kestrova::skin
