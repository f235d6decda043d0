// Menu items for tests: an item owned by `owner` under `parent`, whose
// clicks append its caption to `clicked`.
#pragma once

#include <string>
#include <vector>

#include "framework/menu_item.h"

namespace kestrova::testing {

inline framework::TMenuItem* AddMenuItem(framework::TComponent* owner, framework::TMenuItem* parent,
                                         const std::string& caption,
                                         std::vector<std::string>& clicked) {
  auto* item = new framework::TMenuItem(owner);
  item->SetCaption(caption);
  item->OnClick = [&clicked, item](framework::TComponent*) { clicked.push_back(item->Caption()); };
  parent->Add(item);
  return item;
}

}  // namespace kestrova::testing
