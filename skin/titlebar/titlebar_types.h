// The title bar's shared vocabulary: button roles, section placement, the
// click event of its buttons, the message by which the bar asks its form for
// the frame width, and what a skinned form frame offers the bar it holds.
#pragma once

#include <windows.h>

#include "framework/events.h"

namespace kestrova::skin {

enum class TsuiTitleBarBtnType { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };
enum class TsuiTitleBarAlign { suiLeft, suiRight, suiClient };

// (sender, button index)
using TsuiTitleBarButtonClickEvent = framework::TEvent<framework::TComponent*, int>;

// Sent by the bar to its form's window (wParam 0, lParam 0): how far the
// bar's pictures reach beyond the bar on each side. A skinned frame answers
// it; any other window answers 0.
constexpr UINT SUIM_GETBORDERWIDTH = 9923;

// The skinned form frame (TsuiForm) a title bar may sit on. The bar counts as
// being on a skinned form exactly when its parent implements this.
class TsuiTitleBarHost {
 public:
  // Paints the window frame around the bar's pictures.
  virtual void PaintFormBorder() = 0;

 protected:
  ~TsuiTitleBarHost() = default;
};

}  // namespace kestrova::skin
