// TCustomAction / TAction: a command shared by controls and menu items. Its
// caption, enabled and checked state, image, short cut and hint reach every
// linked client on each change; executing it runs the action list's
// OnExecute, then (unless handled) its own OnExecute.
//
//   auto* save = new TAction(form);
//   save->SetActionList(actions);              // actions->Images() gives its image
//   save->SetCaption("&Save");
//   save->OnExecute = [](TComponent*) { ... };
//   button->SetAction(save);                   // caption, enabled ... follow
//   save->SetEnabled(false);                   // the button is disabled too
#pragma once

#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/events.h"
#include "framework/short_cut.h"

namespace kestrova::framework {

class TActionList;
class TActionLink;

class TCustomAction : public TComponent {
  KESTROVA_CLASS(TCustomAction)

 public:
  explicit TCustomAction(TComponent* owner);
  ~TCustomAction() override;

  TActionList* ActionList() const { return action_list_; }
  void SetActionList(TActionList* list);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& category) { category_ = category; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return short_cut_; }
  void SetShortCut(TShortCut short_cut);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  // False when disabled or when nobody handles it.
  virtual bool Execute();
  // OnUpdate (through the list first); false when nobody handles it.
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  void BeforeDestroy() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Changed();

 private:
  friend class TActionLink;
  friend class TActionList;

  TActionList* action_list_ = nullptr;
  std::string category_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int image_index_ = -1;
  TShortCut short_cut_ = scNone;
  std::string hint_;
  std::vector<TActionLink*> links_;
};

// The action of designs.
class TAction : public TCustomAction {
  KESTROVA_CLASS(TAction)

 public:
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

}  // namespace kestrova::framework
