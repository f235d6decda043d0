// TMenuItem: one entry of a menu and the items under it. Its menu builds a
// real Win32 menu from the tree; a caption of "-" is a separator, "&" marks
// the accelerator.
//
//   auto* file = new TMenuItem(form);
//   file->SetCaption("&File");
//   menu->Items()->Add(file);
//   auto* save = new TMenuItem(form);
//   save->SetCaption("&Save");
//   save->SetShortCut(ShortCut('S', {TShiftFlag::ssCtrl}));
//   save->OnClick = [](TComponent*) { ... };
//   file->Add(save);
//
// Owner-drawn menus measure and draw each item through OnMeasureItem and
// OnAdvancedDrawItem (or the item's own plain look when they are empty).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/component.h"
#include "framework/events.h"
#include "framework/short_cut.h"

namespace kestrova::framework {

class TMenu;
class TCustomAction;
class TActionLink;

enum class TOwnerDrawStateFlag {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect
};
using TOwnerDrawState = SetOf<TOwnerDrawStateFlag>;

using TMenuMeasureItemEvent = TEvent<TComponent*, TCanvas&, int&, int&>;
using TAdvancedMenuDrawItemEvent = TEvent<TComponent*, TCanvas&, const RECT&, TOwnerDrawState>;

class TMenuItem : public TComponent {
  KESTROVA_CLASS(TMenuItem)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool v);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int v);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return short_cut_; }
  void SetShortCut(TShortCut short_cut);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  // Caption, checked and enabled state, image and short cut follow the action;
  // a click executes it.
  TCustomAction* Action() const { return action_; }
  void SetAction(TCustomAction* action);
  void ActionChange(TCustomAction& action);

  // The tree: items under this one, in menu order.
  int Count() const { return int(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(size_t(index)); }
  TMenuItem* Parent() const { return parent_; }
  int IndexOf(const TMenuItem* item) const;
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // Frees every item under this one.
  void Clear();
  // The menu whose tree this item is in, or null.
  TMenu* GetParentMenu() const;
  // Designs: an item nested under a menu or an item joins its items.
  void SetParentComponent(TComponent* parent);
  bool AcceptDesignChild(TComponent* child) override;
  std::vector<TComponent*> DesignChildren() const override;

  virtual void Click();
  // Called by an owner-drawn menu.
  virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
  virtual void AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state,
                                bool top_level);

  // Set by the menu that builds the item into a Win32 menu.
  UINT Command() const { return command_; }
  void SetCommand(UINT command) { command_ = command; }
  HMENU SubMenuHandle() const { return sub_menu_; }
  void SetSubMenuHandle(HMENU menu) { sub_menu_ = menu; }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 protected:
  void BeforeDestroy() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Tells the menu; `rebuild` when the Win32 menu must be made again.
  void Changed(bool rebuild);

 private:
  void DrawPlain(TCanvas& canvas, const RECT& rect, TOwnerDrawState state, bool top_level);
  void UncheckGroup();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool default_ = false;
  bool visible_ = true;
  bool radio_item_ = false;
  int group_index_ = 0;
  int image_index_ = -1;
  TShortCut short_cut_ = scNone;
  std::string hint_;
  TCustomAction* action_ = nullptr;
  std::unique_ptr<TActionLink> action_link_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu only
  UINT command_ = 0;
  HMENU sub_menu_ = nullptr;  // borrowed: the Win32 menu owns it

  friend class TMenu;
};

}  // namespace kestrova::framework
