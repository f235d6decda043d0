// TWinControl's focus and tab order: the tab list of each parent, moving the
// focus along it, the orders a design gives sorted once loading ends.
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "framework/form.h"
#include "framework/win_control.h"

namespace kestrova::framework {

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Loading()) {
    // Siblings read later are not there yet: sorted once loading ends.
    stored_tab_order_ = order;
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, int(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::ApplyStoredTabOrders() {
  std::stable_sort(tab_list_.begin(), tab_list_.end(), [](TWinControl* a, TWinControl* b) {
    int x = a->stored_tab_order_ < 0 ? INT32_MAX : a->stored_tab_order_;
    int y = b->stored_tab_order_ < 0 ? INT32_MAX : b->stored_tab_order_;
    return x < y;
  });
  for (TWinControl* w : tab_list_) w->stored_tab_order_ = -1;
}

void TWinControl::SetTabStop(bool tab_stop) {
  if (tab_stop == tab_stop_) return;
  tab_stop_ = tab_stop;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_.Get(), GWL_STYLE);
    style = tab_stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP));
    SetWindowLongPtrW(handle_.Get(), GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tab_list_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return;
  int n = int(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (forward ? n - 1 : 0) : int(it - list.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((start + (forward ? step : -step)) % n + n) % n;
    TWinControl* c = list[size_t(i)];
    if (c == current) break;
    if (c->CanFocus() && (!check_tab_stop || c->TabStop()) &&
        !c->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls)) {
      c->SetFocus();
      return;
    }
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  TForm* form = ParentForm();
  if (form && form != this && !form->Visible()) {
    form->SetActiveControl(this);
    return;
  }
  if (!CanFocus()) throw Error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_.Get(); }

}  // namespace kestrova::framework
