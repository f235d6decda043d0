// The window menu of a title bar: Minimize, Maximize/Restore, a separator
// and Close, each enabled only while the bar has a visible button of that
// role. A control-box button without a menu of its own shows it.
//
//   bar->SystemMenu().Popup(x, y);       // screen coordinates
#pragma once

#include "skin/menus/popup_menu.h"

namespace kestrova::skin {

class TsuiTitleBar;

class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
  KESTROVA_CLASS(TsuiTitleBarPopupMenu)

 public:
  static constexpr int kMinimizeItem = 0;
  static constexpr int kMaximizeItem = 1;
  static constexpr int kCloseItem = 3;

  // A menu of `bar`'s, owned (and freed) by it.
  explicit TsuiTitleBarPopupMenu(TsuiTitleBar* bar);

  TsuiTitleBar* Bar() const { return bar_; }
  // Enables the items by the bar's buttons, then shows the menu at the
  // screen point (176 pixels further right in right-to-left reading).
  void Popup(int x, int y) override;
  // The items' enabled states as Popup sets them.
  void UpdateItems();

 private:
  void AddItem(const char* caption, framework::TNotifyEvent::Handler click);
  void Minimize();
  void MaximizeOrRestore();
  void CloseForm();

  TsuiTitleBar* bar_;
};

}  // namespace kestrova::skin
