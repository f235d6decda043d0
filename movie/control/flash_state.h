// The preview control's stored initial state (portable, no Win32).
//
// The block the window's design hands the control holds, in this order:
// "KSF1"; the block's size and the number of settings, each 16 bits little
// endian; that many "Name=Value" texts in UTF-16LE, each ending in a zero
// character; zero padding up to the size. Names and values are compared
// without regard to case, as the Flash control's own parameters are.
//
//   FlashSettings s = ReadFlashState(control_data);
//   if (s.windowMode == TFlashWindowMode::Window) ...
#pragma once

#include <cstdint>
#include <span>

namespace kestrova::movie {

enum class TFlashWindowMode { Window, Opaque, Transparent };
enum class TFlashQuality { Low, Medium, High, Best };
enum class TFlashScaleMode { ShowAll, NoBorder, ExactFit, NoScale };

// What the preview needs when the block names nothing else.
struct FlashSettings {
  TFlashWindowMode windowMode = TFlashWindowMode::Window;
  TFlashQuality quality = TFlashQuality::High;
  TFlashScaleMode scaleMode = TFlashScaleMode::ShowAll;
  friend bool operator==(const FlashSettings&, const FlashSettings&) = default;
};

// The settings "WMode", "Quality" and "Scale" of a stored state. A block that
// is not one, a setting it lacks and a value it does not know keep the
// defaults above; nothing outside the block or its stated size is read.
FlashSettings ReadFlashState(std::span<const uint8_t> block);

}  // namespace kestrova::movie
