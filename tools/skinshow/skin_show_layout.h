// The skin show window's fixed size, shared with its tests: a screenshot of
// the whole window (frame included) is exactly this big.
#pragma once

namespace kestrova::skinshow {

inline constexpr int kWindowWidth = 420;
inline constexpr int kWindowHeight = 260;

}  // namespace kestrova::skinshow
