#include "skin/styles.h"

#include "framework/form.h"
#include "skin/filetheme.h"
#include "skin/frames.h"

namespace kestrova::skin {

using framework::TBitmap;

std::vector<std::string> UIStyleNames() {
  return {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
}

void GetBuiltInBitmap(TsuiUIStyle style, int entry, TBitmap* destination, int count, int frame) {
  if (!destination) return;
  const std::string_view name = GetBuiltInPictureName(style, entry);
  if (count == 0) {
    if (!name.empty()) destination->LoadFromResourceName(nullptr, std::string(name));
    return;
  }
  TBitmap strip;
  if (!name.empty()) strip.LoadFromResourceName(nullptr, std::string(name));
  const PixelBuffer pixels = strip.ToPixelBuffer();
  destination->LoadPixels(CutFrame(pixels.View(), count, frame));
}

namespace {

bool IsSkinnedFormFrame(const framework::TControl& control) {
  for (const framework::ClassInfo* c = &control.Class(); c; c = c->parent)
    if (c->name == kSkinnedFormClass) return true;
  return false;
}

}  // namespace

TsuiUIStyle GetOwnerFormUIStyle(const framework::TComponent* owner) {
  const auto* form = dynamic_cast<const framework::TForm*>(owner);
  if (!form) return TsuiUIStyle::DeepBlue;
  for (const framework::TControl* child : form->Controls()) {
    if (IsSkinnedFormFrame(*child))
      return static_cast<TsuiUIStyle>(framework::GetOrdProperty(*child, "UIStyle"));
  }
  return TsuiUIStyle::DeepBlue;
}

bool UsingFileTheme(const TsuiFileTheme* theme, TsuiUIStyle requested, TsuiUIStyle& effective) {
  return ResolveUIStyle(theme && theme->Ready(), requested, effective);
}

}  // namespace kestrova::skin
