// TsuiMenuBar: the tool bar a skinned form frame shows its main menu in, one
// flat button per top-level item. Its buttons are drawn by the frame; a
// highlighted button carries the tag kHighlightedButtonTag, which lets
// letters without Alt reach the bar's accelerators while a button is lit.
//
//   auto* bar = new TsuiMenuBar(frame);       // owned by the frame
//   bar->SetParent(frame);
#pragma once

#include "framework/tool_bar.h"

namespace kestrova::skin {

class TsuiForm;

// The tag of a menu-bar button drawn hot or selected.
constexpr int kHighlightedButtonTag = 888;

class TsuiMenuBar : public framework::TToolBar {
  KESTROVA_CLASS(TsuiMenuBar)

 public:
  explicit TsuiMenuBar(TsuiForm* form);

  TsuiForm* Form() const { return form_; }
  // Whether one of the buttons is drawn highlighted.
  bool HasHighlightedButton() const;

  void WndProc(framework::TMessage& message) override;

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void DropDownPopup(framework::TComponent* sender);

  TsuiForm* form_;
};

}  // namespace kestrova::skin
