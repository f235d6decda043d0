// TToolBar: a row (or wrapped rows) of flat or raised buttons, aligned to the
// top of its parent. It lays its TToolButtons out left to right, draws them
// (OnCustomDraw and OnCustomDrawButton may take the drawing over), drops the
// submenu of a button's menu item under it through a popup menu it owns, and
// follows the arrow keys and the mouse from button to button while that menu
// is open. Characters reach it as CM_DIALOGCHAR: the button whose caption has
// that accelerator is pressed.
//
//   auto* bar = new TToolBar(form);
//   bar->SetParent(form);
//   bar->SetFlat(true);
//   bar->SetShowCaptions(true);
//   bar->SetEdgeBorders({});
//   bar->OnCustomDrawButton = [](TToolBar*, TToolButton*, TCustomDrawState s, bool& dflt) { ... };
#pragma once

#include <vector>

#include "framework/custom_control.h"
#include "framework/tool_button.h"

namespace kestrova::framework {

class TImageList;
class TMenuItem;
class TPopupMenu;

enum class TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = SetOf<TEdgeBorder>;
enum class TCustomDrawStateFlag {
  cdsSelected,
  cdsGrayed,
  cdsDisabled,
  cdsChecked,
  cdsFocused,
  cdsDefault,
  cdsHot,
  cdsMarked,
  cdsIndeterminate
};
using TCustomDrawState = SetOf<TCustomDrawStateFlag>;

class TToolBar;
using TToolBarCustomDrawEvent = TEvent<TToolBar*, const RECT&, bool&>;
using TToolBarCustomDrawButtonEvent = TEvent<TToolBar*, TToolButton*, TCustomDrawState, bool&>;

class TToolBar : public TCustomControl {
  KESTROVA_CLASS(TToolBar)

 public:
  explicit TToolBar(TComponent* owner);

  int ButtonCount() const { return int(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(size_t(index)); }
  int IndexOf(const TToolButton* button) const;

  int ButtonWidth() const { return button_width_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return button_height_; }
  void SetButtonHeight(int height);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool ShowCaptions() const { return show_captions_; }
  void SetShowCaptions(bool show);
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool wrapable);
  // The bar's height follows its rows of buttons.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TEdgeBorders EdgeBorders() const { return edge_borders_; }
  void SetEdgeBorders(TEdgeBorders borders);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  // The button under the mouse (drawn hot), or null.
  TToolButton* HotButton() const { return hot_button_; }
  // The button whose menu is dropped down, or null.
  TToolButton* MenuButton() const { return menu_button_; }
  // The state a button is drawn in.
  TCustomDrawState ButtonState(const TToolButton& button) const;
  // Drops the button's menu item down and follows the user from button to
  // button until a menu closes for good; the chosen item is clicked last.
  void TrackMenu(TToolButton* button);

  void WndProc(TMessage& message) override;
  void Loaded() override;

  TToolBarCustomDrawEvent OnCustomDraw;
  TToolBarCustomDrawButtonEvent OnCustomDrawButton;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The default look of a button, in the bar's canvas.
  virtual void DrawButton(TToolButton& button, TCustomDrawState state);

 private:
  friend class TToolButton;
  friend class MenuTracking;
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  void SetHotButton(TToolButton* button);
  void ArrangeButtons();
  int ButtonWidthFor(const TToolButton& button);
  RECT ContentRect() const;
  void DrawEdges();
  bool DialogChar(wchar_t key);
  // While a menu is open: a key or mouse move that moves to another button.
  bool MenuMessage(const MSG& msg);
  TToolButton* NextDropDown(TToolButton* from, bool forward) const;
  void SwitchMenuTo(TToolButton* button);

  std::vector<TToolButton*> buttons_;
  int button_width_ = 23;
  int button_height_ = 22;
  bool flat_ = false;
  bool show_captions_ = false;
  bool wrapable_ = true;
  bool auto_size_ = false;
  TEdgeBorders edge_borders_{TEdgeBorder::ebTop};
  int indent_ = 0;
  TImageList* images_ = nullptr;
  TToolButton* hot_button_ = nullptr;
  TToolButton* menu_button_ = nullptr;
  TToolButton* next_menu_button_ = nullptr;
  TPopupMenu* drop_down_ = nullptr;
  HMENU selected_menu_ = nullptr;  // the open menu level the selection is in
  bool selected_has_submenu_ = false;
  bool arranging_ = false;
  bool tracking_ = false;
};

}  // namespace kestrova::framework
