// The system's locale as the controls ask about it.
//
//   bool rtl = control->BiDiMode() == TBiDiMode::bdRightToLeft && MiddleEasternLocale();
#pragma once

#include <windows.h>

namespace kestrova::framework {

// True on a system set up for Middle-Eastern (right-to-left) languages.
inline bool MiddleEasternLocale() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

}  // namespace kestrova::framework
