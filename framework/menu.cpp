#include "framework/menu.h"

#include <vector>

#include "framework/class_builder.h"
#include "framework/image_list.h"
#include "framework/menu_font.h"
#include "framework/menu_hotkeys.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

// Depth first over the tree under `parent` (not `parent` itself).
template <class Fn>
TMenuItem* FindInTree(TMenuItem& parent, Fn match) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (match(*item)) return item;
    if (TMenuItem* found = FindInTree(*item, match)) return found;
  }
  return nullptr;
}

TOwnerDrawState StateOf(UINT item_state) {
  static constexpr std::pair<UINT, TOwnerDrawStateFlag> kFlags[] = {
      {ODS_SELECTED, TOwnerDrawStateFlag::odSelected},
      {ODS_GRAYED, TOwnerDrawStateFlag::odGrayed},
      {ODS_DISABLED, TOwnerDrawStateFlag::odDisabled},
      {ODS_CHECKED, TOwnerDrawStateFlag::odChecked},
      {ODS_FOCUS, TOwnerDrawStateFlag::odFocused},
      {ODS_DEFAULT, TOwnerDrawStateFlag::odDefault},
      {ODS_HOTLIGHT, TOwnerDrawStateFlag::odHotLight},
      {ODS_INACTIVE, TOwnerDrawStateFlag::odInactive},
      {ODS_NOACCEL, TOwnerDrawStateFlag::odNoAccel},
      {ODS_NOFOCUSRECT, TOwnerDrawStateFlag::odNoFocusRect},
  };
  TOwnerDrawState state;
  for (const auto& [bit, flag] : kFlags)
    if (item_state & bit) state.Include(flag);
  return state;
}

// The visible items under `parent` and the captions the Win32 menu shows.
struct Level {
  std::vector<TMenuItem*> items;
  std::vector<std::string> captions;
};

Level LevelOf(const TMenuItem& parent, bool auto_hotkeys) {
  Level level;
  for (int i = 0; i < parent.Count(); ++i)
    if (TMenuItem* item = parent.Items(i); item->Visible()) {
      level.items.push_back(item);
      level.captions.push_back(item->Caption());
    }
  if (auto_hotkeys) level.captions = AutoHotkeyCaptions(level.captions);
  return level;
}

}  // namespace

const ClassInfo& TMenu::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
          .Enumeration<TMenuAutoFlag>("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys,
                                      {"maAutomatic", "maManual"}, TMenuAutoFlag::maAutomatic)
          .Enumeration<TBiDiMode>("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode,
                                  {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                   "bdRightToLeftReadingOnly"},
                                  TBiDiMode::bdLeftToRight)
          .Component<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
          .Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
          .Boolean("ParentBiDiMode", &TMenu::ParentBiDiMode, &TMenu::SetParentBiDiMode, true)
          .Event("OnChange", &TMenu::OnChange)
          .Build();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  items_->menu_ = this;
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(nullptr, true);
}

bool TMenu::AcceptDesignChild(TComponent* child) { return items_->AcceptDesignChild(child); }

std::vector<TComponent*> TMenu::DesignChildren() const { return items_->DesignChildren(); }

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (Loading() || Destroying()) return;
  OnChange(this, source, rebuild);
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images) FreeNotification(images);
  MenuChanged(nullptr, false);
}

void TMenu::SetOwnerDraw(bool owner_draw) {
  if (owner_draw == owner_draw_) return;
  owner_draw_ = owner_draw;
  MenuChanged(nullptr, true);
}

void TMenu::SetAutoHotkeys(TMenuAutoFlag flag) {
  if (flag == auto_hotkeys_) return;
  auto_hotkeys_ = flag;
  MenuChanged(nullptr, true);
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
  if (mode == bidi_mode_) return;
  bidi_mode_ = mode;
  parent_bidi_mode_ = false;
  MenuChanged(nullptr, true);
}

void TMenu::SetParentBiDiMode(bool v) {
  if (v == parent_bidi_mode_) return;
  parent_bidi_mode_ = v;
  if (auto* control = dynamic_cast<TControl*>(Owner()); v && control)
    bidi_mode_ = control->BiDiMode();
  MenuChanged(nullptr, true);
}

bool TMenu::IsRightToLeft() const {
  return bidi_mode_ != TBiDiMode::bdLeftToRight && GetSystemMetrics(SM_MIDEASTENABLED) != 0;
}

MenuHandle TMenu::BuildHandle(bool menu_bar) {
  MenuHandle menu(menu_bar ? CreateMenu() : CreatePopupMenu());
  if (!menu) throw Error("Cannot create a menu");
  if (TMenuItem* shown = ShownItems()) BuildInto(menu.Get(), *shown);
  return menu;
}

void TMenu::BuildInto(HMENU menu, TMenuItem& parent) {
  Level level = LevelOf(parent, auto_hotkeys_ == TMenuAutoFlag::maAutomatic);
  for (size_t i = 0; i < level.items.size(); ++i) {
    TMenuItem& item = *level.items[i];
    // Commands stay with an item for good, so a menu built again (or shown
    // by another menu) keeps them; 0 is no command.
    if (!item.Command()) {
      if (++next_command_ > 0xFFFF) next_command_ = 1;
      item.SetCommand(next_command_);
    }
    std::wstring text = Widen(level.captions[i]);
    if (std::string sc = ShortCutToText(item.ShortCut()); !sc.empty() && !item.IsLine())
      text += L"\t" + Widen(sc);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    info.fType = item.IsLine() ? MFT_SEPARATOR : 0;
    if (owner_draw_) info.fType |= MFT_OWNERDRAW;
    if (item.RadioItem()) info.fType |= MFT_RADIOCHECK;
    if (IsRightToLeft()) info.fType |= MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
    info.fState = (item.Checked() ? MFS_CHECKED : 0) | (item.Enabled() ? 0 : MFS_GRAYED) |
                  (item.Default() ? MFS_DEFAULT : 0);
    info.wID = item.Command();
    info.dwItemData = item.Command();
    info.dwTypeData = text.data();
    item.SetSubMenuHandle(nullptr);
    if (item.Count() > 0) {
      // The new popup belongs to `menu` once inserted: one DestroyMenu frees the tree.
      HMENU sub = CreatePopupMenu();
      BuildInto(sub, item);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub;
      item.SetSubMenuHandle(sub);
    }
    if (!InsertMenuItemW(menu, UINT(i), TRUE, &info)) {
      if (info.hSubMenu) DestroyMenu(info.hSubMenu);
      throw Error("Cannot insert menu item " + item.Caption());
    }
  }
}

TMenuItem* TMenu::FindCommand(UINT command) const {
  TMenuItem* shown = ShownItems();
  if (!shown || !command) return nullptr;
  return FindInTree(*shown, [command](TMenuItem& i) { return i.Command() == command; });
}

TMenuItem* TMenu::FindSubMenu(HMENU menu) const {
  TMenuItem* shown = ShownItems();
  if (!shown || !menu) return nullptr;
  return FindInTree(*shown, [menu](TMenuItem& i) { return i.SubMenuHandle() == menu; });
}

bool TMenu::IsShortCut(const TMessage& key_message) {
  TShortCut pressed = ShortCutOfKeyMessage(key_message);
  if ((pressed & 0xFF) == 0) return false;
  TMenuItem* item = FindInTree(
      *items_, [pressed](TMenuItem& i) { return i.ShortCut() == pressed && i.Visible(); });
  if (!item) return false;
  for (TMenuItem* p = item; p; p = p->Parent())
    if (!p->Enabled()) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchMenuMessage(TMessage& m) {
  switch (m.msg) {
    case WM_COMMAND:
      if (m.lparam != 0 || HIWORD(m.wparam) != 0) return false;
      if (TMenuItem* item = FindCommand(LOWORD(m.wparam))) {
        item->Click();
        m.result = 0;
        return true;
      }
      return false;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lparam);
      if (measure->CtlType != ODT_MENU || !MeasureItem(*measure)) return false;
      m.result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lparam);
      if (draw->CtlType != ODT_MENU || !DrawItem(*draw)) return false;
      m.result = TRUE;
      return true;
    }
    case WM_INITMENUPOPUP:
      // The item whose submenu opens hears of it first (it may update the items).
      if (TMenuItem* item = FindSubMenu(HMENU(m.wparam))) {
        item->Click();
        return true;
      }
      return false;
    case WM_MENUCHAR:
      if (!owner_draw_) return false;
      m.result = MenuChar(wchar_t(LOWORD(m.wparam)), HMENU(m.lparam));
      return true;
  }
  return false;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  TMenuItem* item = FindCommand(UINT(measure.itemData));
  if (!item) return false;
  WindowDc screen(nullptr);
  TCanvas canvas(screen.Get());
  GetSystemMenuFont(canvas.Font());
  int width = int(measure.itemWidth), height = int(measure.itemHeight);
  item->MeasureItem(canvas, width, height);
  measure.itemWidth = UINT(std::max(width, 0));
  measure.itemHeight = UINT(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  TMenuItem* item = FindCommand(UINT(draw.itemData));
  if (!item) return false;
  SavedDc saved(draw.hDC);
  TCanvas canvas(draw.hDC);
  GetSystemMenuFont(canvas.Font());
  bool top_level = IsBarMenu(reinterpret_cast<HMENU>(draw.hwndItem));
  item->AdvancedDrawItem(canvas, draw.rcItem, StateOf(draw.itemState), top_level);
  return true;
}

LRESULT TMenu::MenuChar(wchar_t key, HMENU menu) {
  TMenuItem* parent = menu ? FindSubMenu(menu) : nullptr;
  if (!parent) parent = ShownItems();
  if (!parent) return 0;
  Level level = LevelOf(*parent, auto_hotkeys_ == TMenuAutoFlag::maAutomatic);
  for (size_t i = 0; i < level.items.size(); ++i)
    if (IsAccel(key, level.captions[i])) return MAKELRESULT(WORD(i), MNC_EXECUTE);
  return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace kestrova::framework
