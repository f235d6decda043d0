// The drop-down menus of a tool bar: a button's menu item is shown through a
// popup menu the bar owns; while it is open a message filter watches the
// menu's loop for the arrow keys and for the mouse over another button, and
// closes the menu so the loop below opens the next one.
#include <windowsx.h>

#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/tool_bar.h"

namespace kestrova::framework {

// Installs the message filter for the time a bar's menu is open. A filter
// procedure gets no context of its own, so the bar it serves sits in a
// thread-local slot for exactly that time (menus are modal: one at a time).
class MenuTracking {
 public:
  explicit MenuTracking(TToolBar& bar) : previous_(active_) {
    active_ = &bar;
    hook_ = SetWindowsHookExW(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId());
  }
  ~MenuTracking() {
    if (hook_) UnhookWindowsHookEx(hook_);
    active_ = previous_;
  }
  MenuTracking(const MenuTracking&) = delete;
  MenuTracking& operator=(const MenuTracking&) = delete;

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wparam, LPARAM lparam) {
    if (code == MSGF_MENU && active_) {
      try {
        if (active_->MenuMessage(*reinterpret_cast<const MSG*>(lparam))) return 1;
      } catch (...) {
        // A failed switch leaves the open menu as it is.
      }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static thread_local TToolBar* active_;
  TToolBar* previous_;
  HHOOK hook_ = nullptr;
};

thread_local TToolBar* MenuTracking::active_ = nullptr;

void TToolBar::TrackMenu(TToolButton* button) {
  if (tracking_ || !button || !button->HasDropDown()) return;
  tracking_ = true;
  TMenuItem* chosen = nullptr;
  while (button && button->HasDropDown()) {
    next_menu_button_ = nullptr;
    menu_button_ = button;
    Invalidate();
    Update();
    // Owned by the bar, so the bar hears of its insertion before it shows;
    // inserted once whole (a constructor's insertion would show only a
    // TComponent to the bar).
    drop_down_ = new TPopupMenu(nullptr);
    InsertComponent(drop_down_);
    TMenuItem* item = button->MenuItem();
    if (TMenu* menu = item->GetParentMenu()) {
      drop_down_->SetOwnerDraw(menu->OwnerDraw());
      drop_down_->SetImages(menu->Images());
      drop_down_->SetAutoHotkeys(menu->AutoHotkeys());
      drop_down_->SetBiDiMode(menu->BiDiMode());
    }
    drop_down_->SetSourceItem(item);
    drop_down_->SetPopupComponent(button);
    selected_menu_ = nullptr;
    selected_has_submenu_ = false;
    drop_down_->OnMenuSelect = [this](TComponent*, HMENU menu, UINT, UINT flags) {
      selected_menu_ = menu;
      selected_has_submenu_ = flags != 0xFFFF && (flags & MF_POPUP);
    };
    POINT top_left = ClientToScreen({button->Left(), button->Top()});
    RECT exclude{top_left.x, top_left.y, top_left.x + button->Width(),
                 top_left.y + button->Height()};
    {
      MenuTracking filter(*this);
      chosen = drop_down_->Track(exclude.left, exclude.bottom, &exclude);
    }
    if (drop_down_) drop_down_->Free();
    drop_down_ = nullptr;
    menu_button_ = nullptr;
    Invalidate();
    button = chosen ? nullptr : next_menu_button_;
  }
  next_menu_button_ = nullptr;
  tracking_ = false;
  if (chosen) chosen->Click();
}

bool TToolBar::MenuMessage(const MSG& msg) {
  if (!menu_button_ || !drop_down_) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_RIGHT || msg.wParam == VK_LEFT) {
        bool forward = (msg.wParam == VK_RIGHT) != UseRightToLeftReading();
        bool in_top_level = !selected_menu_ || selected_menu_ == drop_down_->Handle();
        // Right on an item with a submenu opens it; left inside a submenu
        // closes it: the menu's own moves.
        if (msg.wParam == VK_RIGHT && selected_has_submenu_) return false;
        if (msg.wParam == VK_LEFT && !in_top_level) return false;
        if (TToolButton* next = NextDropDown(menu_button_, forward)) SwitchMenuTo(next);
        return true;
      }
      return false;
    case WM_MOUSEMOVE: {
      POINT p = msg.pt;
      ::ScreenToClient(Handle(), &p);
      auto* over = dynamic_cast<TToolButton*>(ControlAtPos(p));
      if (over && over != menu_button_ && over->HasDropDown()) SwitchMenuTo(over);
      return false;
    }
  }
  return false;
}

TToolButton* TToolBar::NextDropDown(TToolButton* from, bool forward) const {
  int n = ButtonCount(), start = IndexOf(from);
  for (int step = 1; step < n; ++step) {
    TToolButton* b = buttons_[size_t(((start + (forward ? step : -step)) % n + n) % n)];
    if (b->Visible() && b->Enabled() && b->HasDropDown()) return b;
  }
  return nullptr;
}

void TToolBar::SwitchMenuTo(TToolButton* button) {
  next_menu_button_ = button;
  EndMenu();
}

}  // namespace kestrova::framework
