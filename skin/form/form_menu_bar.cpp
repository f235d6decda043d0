// The frame's menu bar: a TsuiMenuBar under the title bar with one button
// per top-level item of the frame's main menu, drawn in the menu's style;
// the menu's short cuts, which a window without a native menu would lose.
#include <utility>

#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/main_menu.h"
#include "framework/menu_font.h"
#include "framework/text.h"
#include "framework/tool_button.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "skin/form/menu_bar.h"
#include "skin/menus.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

namespace {

constexpr TColor kDisabledCaption = 0x808080;
// Captions sit a pixel low: their rectangle loses 2 rows above or gains 2 below.
constexpr int kCaptionDrop = 2;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
// The theme's top-level menu colours, by their colour index.
constexpr TsuiFileThemeColor kTopSelected{5}, kTopSelectedBorder{6}, kTopSelectedFont{7},
    kTopFont{8};

TBitmap BuiltInPicture(const char* name) {
  TBitmap picture;
  try {
    picture.LoadFromResourceName(nullptr, name);
  } catch (const Error&) {
    picture.Clear();  // a missing picture draws nothing
  }
  return picture;
}

TColor ThemeOrBuiltIn(bool theme, const TsuiFileTheme* file_theme, TsuiFileThemeColor key,
                      TsuiUIStyle style, int entry) {
  return theme ? TColor(file_theme->GetColor(key)) : GetBuiltInColor(style, entry);
}

}  // namespace

void TsuiForm::SetMenu(TMainMenu* menu) {
  DetachMenu();
  if (menu_) RemoveFreeNotification(menu_);
  menu_ = menu;
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu)) skinned->SetMenuBarHost(this);
  if (!menu) {
    DestroyMenuBar();
    return;
  }
  FreeNotification(menu);
  if (!menu_bar_) CreateMenuBar();
  UpdateMenuBar();
  if (title_bar_) title_bar_->SetTop(0);
}

int TsuiForm::MenuBarHeight() const {
  return menu_bar_ && menu_bar_->Visible() ? menu_bar_->Height() : 0;
}

void TsuiForm::SetMenuBarHeight(int height) {
  menu_bar_height_value_ = height;
  if (!menu_bar_) return;
  menu_bar_->SetHeight(height);
  menu_bar_->SetButtonHeight(height);
  for (int i = 0; i < menu_bar_->ButtonCount(); ++i) menu_bar_->Buttons(i)->SetHeight(height);
}

void TsuiForm::SetMenuBarColor(TColor color) {
  menu_bar_color_ = color;
  if (menu_bar_) menu_bar_->SetColor(color);
}

void TsuiForm::SetMenuBarToColor(TColor color) {
  menu_bar_to_color_ = color;
  if (menu_bar_) menu_bar_->Invalidate();
}

void TsuiForm::ApplyStyleToMenu() {
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) {
    skinned->SetUIStyle(ui_style_);
    skinned->SetFileTheme(file_theme_);
  }
  if (menu_bar_) menu_bar_->Invalidate();
}

void TsuiForm::DetachMenu() {
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) skinned->SetMenuBarHost(nullptr);
}

// The bar's buttons belong to the frame; they go before the bar they sit on.
void TsuiForm::FreeMenuBar() {
  if (!menu_bar_) return;
  while (menu_bar_->ButtonCount() > 0) menu_bar_->Buttons(0)->Free();
  std::exchange(menu_bar_, nullptr)->Free();
}

void TsuiForm::CreateMenuBar() {
  if (menu_bar_ || (owner_form_ && owner_form_->IsMDIChild())) return;
  menu_bar_ = new TsuiMenuBar(this);
  menu_bar_->SetParent(this);
  menu_bar_->SetFlat(true);
  menu_bar_->SetEdgeBorders({});
  menu_bar_->SetShowCaptions(true);
  menu_bar_->SetHeight(menu_bar_height_value_);
  menu_bar_->SetColor(menu_bar_color_);
  if (!Designing())
    menu_bar_->OnCustomDrawButton = [this](TToolBar* bar, TToolButton* button,
                                           TCustomDrawState state, bool& default_draw) {
      DrawMenuBarButton(bar, button, state, default_draw);
    };
  menu_bar_->OnCustomDraw = [this](TToolBar* bar, const RECT& rect, bool& default_draw) {
    DrawMenuBarBackground(bar, rect, default_draw);
  };
  menu_bar_->SetWrapable(true);
  menu_bar_->SetAutoSize(true);
  if (title_bar_) title_bar_->SetTop(0);
}

void TsuiForm::DestroyMenuBar() {
  if (!(owner_form_ && owner_form_->IsMDIChild())) FreeMenuBar();
  DetachMenu();
  if (menu_) RemoveFreeNotification(menu_);
  menu_ = nullptr;
}

void TsuiForm::UpdateMenuBar() {
  if (!menu_bar_) return;
  if (!menu_) {
    DestroyMenuBar();
    return;
  }
  menu_bar_->SetAutoSize(false);
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) {
    if (skinned->UseSystemFont())
      GetSystemMenuFont(menu_bar_->Font());
    else
      menu_bar_->Font().SetSize(skinned->FontSize());
  }
  while (menu_bar_->ButtonCount() > 0) menu_bar_->Buttons(0)->Free();
  // Each new button goes first: made last to first, they end in menu order.
  TMenuItem* items = menu_->Items();
  for (int i = items->Count() - 1; i >= 0; --i) {
    auto* button = new TToolButton(this);
    button->SetParent(menu_bar_);
    button->SetGrouped(true);
    button->SetMenuItem(items->Items(i));
    button->SetAutoSize(true);
  }
  menu_bar_->SetAutoSize(true);
}

void TsuiForm::UpdateMenuBarItems() {
  if (!menu_bar_) return;
  for (int i = 0; i < menu_bar_->ButtonCount(); ++i) {
    TToolButton* button = menu_bar_->Buttons(i);
    if (TMenuItem* item = button->MenuItem()) {
      button->SetCaption(item->Caption());
      button->SetEnabled(item->Enabled());
    }
  }
}

void TsuiForm::UpdateMenuBarFont() {
  if (!menu_bar_ || !menu_) return;
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) {
    TFont& font = menu_bar_->Font();
    if (skinned->UseSystemFont()) {
      GetSystemMenuFont(font);
    } else {
      font.SetName(skinned->FontName());
      font.SetSize(skinned->FontSize());
      font.SetCharset(skinned->FontCharset());
    }
  }
  menu_bar_->Invalidate();
}

void TsuiForm::HandleMenuShortCut(TMessage& message) {
  if (destroying_) return;
  message.result = 0;
  if (owner_form_ && IsFormActive(owner_form_) && owner_form_->Active() && menu_ &&
      menu_->IsShortCut(message))
    message.result = 1;
}

namespace {

// The hint for a plain main menu dropped on the form, in the designer's words.
std::string PlainMainMenuHint(const std::string& form_name, const std::string& frame_name) {
  const std::string gap = "\r\n\r\n";
  return "Strongly recommend you to use \"TsuiMainMenu\" instead of \"TMainMenu\"." + gap +
         "If you still want to use TMainForm, " + gap + "set " + form_name +
         "'s MENU property to NIL please." + gap + "And set " + frame_name +
         "'s MENU property to this Menu when you finished designing the menu.";
}

}  // namespace

void TsuiForm::MenuInserted(TComponent* component) {
  if (!Designing() || Loading()) return;
  auto* menu = dynamic_cast<TMainMenu*>(component);
  if (!menu) return;
  if (menu->Class().name != "TsuiMainMenu") {
    std::string text = PlainMainMenuHint(owner_form_ ? owner_form_->Name() : "", Name());
    if (TApplication* app = TApplication::Current())
      app->MessageBox(text, app->Title(), MB_OK | MB_ICONINFORMATION);
    else
      MessageBoxW(nullptr, Widen(text).c_str(), L"", MB_OK | MB_ICONINFORMATION);
  } else if (!menu_ && owner_form_ && menu->Owner() == owner_form_) {
    SetMenu(menu);
  }
}

void TsuiForm::DrawMenuBarBackground(TToolBar* bar, const RECT& rect, bool&) {
  TsuiUIStyle style = ui_style_;
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) style = skinned->UIStyle();
  if (style == TsuiUIStyle::MacOS) {
    TBitmap picture = BuiltInPicture("MACOS_MENU_BAR");
    if (!picture.Empty()) bar->Canvas().StretchDraw(rect, picture);
  } else if (menu_bar_to_color_ != menu_bar_color_) {
    DrawVerticalGradient(bar->Canvas(), rect, menu_bar_color_, menu_bar_to_color_);
  }
}

void TsuiForm::DrawMenuBarButton(TToolBar* bar, TToolButton* button, TCustomDrawState state,
                                 bool& defaultDraw) {
  defaultDraw = false;
  button->SetTag(0);
  RECT r = button->BoundsRect();
  TCanvas& canvas = bar->Canvas();
  canvas.SetFont(bar->Font());
  TsuiUIStyle style = ui_style_;
  TsuiFileTheme* theme = file_theme_;
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) {
    style = skinned->UIStyle();
    theme = skinned->FileTheme();
    skinned->ApplyFont(canvas.Font());
    if (!skinned->UseSystemFont()) canvas.Font().SetColor(skinned->FontColor());
  }
  bool highlighted = state.Contains(TCustomDrawStateFlag::cdsSelected) ||
                     state.Contains(TCustomDrawStateFlag::cdsHot);
  const std::string& caption = button->Caption();
  if (highlighted && style == TsuiUIStyle::MacOS) {
    button->SetTag(kHighlightedButtonTag);
    TBitmap lit(button->Width(), button->Height());
    TBitmap select = BuiltInPicture("MACOS_MENU_SELECT");
    if (!select.Empty()) lit.Canvas().StretchDraw({0, 0, lit.Width(), lit.Height()}, select);
    lit.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    TFont& font = lit.Canvas().Font();
    font.SetName(canvas.Font().Name());
    font.SetSize(canvas.Font().Size());
    font.SetCharset(canvas.Font().Charset());
    font.SetColor(GetBuiltInColor(TsuiUIStyle::MacOS, entry::kMenuSelectedFontColor));
    RECT text{0, 0, lit.Width(), lit.Height() + kCaptionDrop};
    lit.Canvas().DrawText(caption, text, kCaptionFormat);
    canvas.Draw(r.left, r.top, lit);
    return;
  }
  TsuiUIStyle effective;
  bool uses_theme = UsingFileTheme(theme, style, effective);
  if (highlighted) {
    button->SetTag(kHighlightedButtonTag);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(
        ThemeOrBuiltIn(uses_theme, theme, kTopSelected, effective, entry::kMenuSelectedColor));
    canvas.FillRect(r);
    canvas.Brush().SetColor(ThemeOrBuiltIn(uses_theme, theme, kTopSelectedBorder, effective,
                                           entry::kMenuSelectedBorderColor));
    canvas.FrameRect(r);
    canvas.Font().SetColor(ThemeOrBuiltIn(uses_theme, theme, kTopSelectedFont, effective,
                                          entry::kMenuSelectedFontColor));
  } else {
    canvas.Font().SetColor(button->Enabled() ? ThemeOrBuiltIn(uses_theme, theme, kTopFont,
                                                              effective, entry::kMenuFontColor)
                                             : kDisabledCaption);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  RECT text{r.left, r.top + kCaptionDrop, r.right, r.bottom};
  canvas.DrawText(caption, text, kCaptionFormat);
}

}  // namespace kestrova::skin
