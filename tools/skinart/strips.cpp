#include "tools/skinart/strips.h"

namespace kestrova::skinart {

Picture MakeStrip(const std::string& name, int w, int h, const std::vector<std::string>& labels,
                  const FramePainter& paint) {
  const int n = static_cast<int>(labels.size());
  Picture picture{name, PixelBuffer(w * n, h), n, labels};
  for (int i = 0; i < n; ++i) PlaceFrame(picture.pixels, paint(i), i * w);
  return picture;
}

Picture ButtonStrip(const std::string& name, int w, int h,
                    const std::function<PixelBuffer(ButtonState)>& paint) {
  const ButtonState states[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
  return MakeStrip(name, w, h, {"normal", "hover", "pressed"},
                   [&](int i) { return paint(states[i]); });
}

Picture ToggleStrip(const std::string& name, int w, int h, const ToggleLook& look, uint32_t matte) {
  return MakeStrip(name, w, h, {"checked", "unchecked", "checked off", "unchecked off"},
                   [&](int i) {
                     const bool checked = i % 2 == 0, disabled = i >= 2;
                     return DrawToggle(w, h, look, checked, disabled).Flatten(matte, false);
                   });
}

Picture TitleButtonStrip(const std::string& name, int w, int h,
                         const std::function<PixelBuffer(TitleRole, ButtonState)>& paint) {
  const char* roles[] = {"menu", "help", "max", "restore", "min", "close"};
  const char* states[] = {"", " hover", " down"};
  std::vector<std::string> labels;
  for (const char* role : roles)
    for (const char* state : states) labels.push_back(std::string(role) + state);
  return MakeStrip(name, w, h, labels, [&](int i) {
    return paint(kTitleRoles[i / 3], static_cast<ButtonState>(i % 3));
  });
}

}  // namespace kestrova::skinart
