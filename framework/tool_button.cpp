#include "framework/tool_button.h"

#include "framework/class_builder.h"
#include "framework/menu_item.h"
#include "framework/tool_bar.h"

namespace kestrova::framework {

const ClassInfo& TToolButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TToolButton>("TToolButton", &TGraphicControl::StaticClass())
          .Boolean("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize, false)
          .Boolean("Down", &TToolButton::Down, &TToolButton::SetDown, false)
          .Boolean("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped, false)
          .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex, -1)
          .Component<TMenuItem>("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
          .Enumeration<TToolButtonStyle>(
              "Style", &TToolButton::Style, &TToolButton::SetStyle,
              {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"},
              TToolButtonStyle::tbsButton)
          .Build();
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  TToolBar* bar = ToolBar();
  return bar ? bar->IndexOf(this) : -1;
}

void TToolButton::BarChanged() {
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
  Invalidate();
}

void TToolButton::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (TToolBar* old = ToolBar()) old->RemoveButton(this);
  TGraphicControl::SetParent(parent);
  if (TToolBar* bar = ToolBar()) bar->InsertButton(this);
}

void TToolButton::BeforeDestroy() {
  if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
  TGraphicControl::BeforeDestroy();
}

void TToolButton::SetBounds(int left, int top, int width, int height) {
  // A height given to one button is the height of every button of the bar.
  TToolBar* bar = ToolBar();
  if (bar && !bar->arranging_ && height != Height()) {
    TGraphicControl::SetBounds(left, top, width, height);
    bar->SetButtonHeight(height);
    return;
  }
  TGraphicControl::SetBounds(left, top, width, height);
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (item == menu_item_) return;
  if (menu_item_) RemoveFreeNotification(menu_item_);
  menu_item_ = item;
  if (item) {
    FreeNotification(item);
    SetCaption(item->Caption());
    SetEnabled(item->Enabled());
  }
  BarChanged();
}

bool TToolButton::HasDropDown() const { return menu_item_ && menu_item_->Count() > 0; }

void TToolButton::SetAutoSize(bool v) {
  if (v == auto_size_) return;
  auto_size_ = v;
  BarChanged();
}

void TToolButton::SetDown(bool v) {
  if (v == down_) return;
  down_ = v;
  Invalidate();
}

void TToolButton::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  BarChanged();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
  if (style == style_) return;
  style_ = style;
  BarChanged();
}

void TToolButton::TextChanged() { BarChanged(); }

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_item_) {
    menu_item_ = nullptr;
    BarChanged();
  }
}

void TToolButton::Click() {
  if (style_ == TToolButtonStyle::tbsCheck) SetDown(!down_);
  if (menu_item_)
    menu_item_->Click();
  else
    TGraphicControl::Click();
}

void TToolButton::WndProc(TMessage& m) {
  switch (m.msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (TToolBar* bar = ToolBar())
        bar->SetHotButton(m.msg == CM_MOUSEENTER     ? this
                          : bar->hot_button_ == this ? nullptr
                                                     : bar->hot_button_);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The menu's own loop takes the mouse from here: no press of the button.
      if (HasDropDown() && Enabled()) {
        if (TToolBar* bar = ToolBar()) bar->TrackMenu(this);
        return;
      }
      break;
  }
  TGraphicControl::WndProc(m);
}

}  // namespace kestrova::framework
