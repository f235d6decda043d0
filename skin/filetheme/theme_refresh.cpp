#include "skin/filetheme/theme_refresh.h"

#include <windows.h>

#include "framework/form.h"
#include "framework/properties.h"
#include "skin/filetheme.h"
#include "skin/styles.h"

namespace kestrova::skin {

namespace {

using framework::PropertyKind;
using framework::TComponent;

bool IsSkinnedForm(const TComponent& component) {
  for (const framework::ClassInfo* c = &component.Class(); c; c = c->parent)
    if (c->name == kSkinnedFormClass) return true;
  return false;
}

bool HoldsTheme(const TComponent& component, const TsuiFileTheme& theme) {
  const framework::PropertyInfo* p = framework::FindPublishedProperty(component, "FileTheme");
  return p && p->kind == PropertyKind::Component && p->get_component(component) == &theme;
}

bool IsSkinnedClassName(const std::string& name) { return name.compare(0, 4, "Tsui") == 0; }

void RecomputeFrame(framework::TForm& form) {
  if (!form.HandleAllocated()) return;
  SetWindowPos(form.Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

void RefreshThemeUsers(TsuiFileTheme& theme, bool recomputeFrame) {
  auto* form = dynamic_cast<framework::TForm*>(theme.Owner());
  if (!form) return;
  bool formUsesTheme = false;
  // By index over the live list: a component's setter may add or drop others.
  for (size_t i = 0; i < form->Components().size(); ++i) {
    TComponent& component = *form->Components()[i];
    if (!HoldsTheme(component, theme)) continue;
    if (IsSkinnedForm(component)) formUsesTheme = true;
    if (!IsSkinnedClassName(component.Class().name)) continue;
    framework::SetComponentProperty(component, "FileTheme", nullptr);
    framework::SetComponentProperty(component, "FileTheme", &theme);
  }
  if (formUsesTheme && recomputeFrame) RecomputeFrame(*form);
}

}  // namespace kestrova::skin
