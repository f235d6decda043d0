// TToolButton: a button of a TToolBar, drawn by the bar. A button bound to a
// menu item takes the item's caption and enabled state and drops the item's
// submenu down under itself when pressed.
//
//   auto* b = new TToolButton(form);
//   b->SetParent(bar);               // a new button (Left 0) goes first
//   b->SetMenuItem(file_item);       // caption "&File", drops File's items
//   b->SetAutoSize(true);            // as wide as its caption
#pragma once

#include "framework/graphic_control.h"

namespace kestrova::framework {

class TMenuItem;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TGraphicControl {
  KESTROVA_CLASS(TToolButton)

 public:
  explicit TToolButton(TComponent* owner);

  TToolBar* ToolBar() const;
  // Its place among the bar's buttons, or -1.
  int Index() const;
  TMenuItem* MenuItem() const { return menu_item_; }
  void SetMenuItem(TMenuItem* item);
  // A bound item with items of its own: pressing the button drops them down.
  bool HasDropDown() const;
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Down() const { return down_; }
  void SetDown(bool v);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool v) { grouped_ = v; }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle style);

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void BeforeDestroy() override;
  void Notification(TComponent* component, TOperation operation) override;
  void TextChanged() override;

 private:
  void BarChanged();

  TMenuItem* menu_item_ = nullptr;
  bool auto_size_ = false;
  bool down_ = false;
  bool grouped_ = false;
  int image_index_ = -1;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
};

}  // namespace kestrova::framework
