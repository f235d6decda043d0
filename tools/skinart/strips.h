// Assembling the strips every style has (button, check box, radio button,
// title buttons) from one frame painter each.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/skinart/catalog.h"
#include "tools/skinart/widgets.h"

namespace kestrova::skinart {

using FramePainter = std::function<PixelBuffer(int index)>;  // index from 0

// A strip of `labels.size()` frames of w x h, each from `paint`.
Picture MakeStrip(const std::string& name, int w, int h, const std::vector<std::string>& labels,
                  const FramePainter& paint);

// Button strip: normal, hover, pressed.
Picture ButtonStrip(const std::string& name, int w, int h,
                    const std::function<PixelBuffer(ButtonState)>& paint);

// Check box and radio strips: checked, unchecked, checked disabled,
// unchecked disabled; the toggles are drawn opaque on `matte`.
Picture ToggleStrip(const std::string& name, int w, int h, const ToggleLook& look, uint32_t matte);

// The 18 title button frames: for each role (control box, help, maximize,
// restore, minimize, close) normal, hover and pressed.
Picture TitleButtonStrip(const std::string& name, int w, int h,
                         const std::function<PixelBuffer(TitleRole, ButtonState)>& paint);

}  // namespace kestrova::skinart
