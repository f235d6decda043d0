// Picture strips and stretched pictures (portable pixel work).
//
// A strip holds n state frames of equal width side by side, numbered from 1.
// The nine-part draw keeps a picture's corners at their size and stretches
// its edges and centre; the three-part draw keeps a left and a right cap and
// stretches the middle. The piece geometry below is the skin engine's own,
// single-pixel overlaps and skips included: the pictures of every style are
// drawn to it, so it must not be "corrected".
#pragma once

#include <cstdint>
#include <vector>

#include "common/pixels.h"
#include "skin/skin_rect.h"

namespace kestrova::skin {

// The source rectangle of frame k (from 1) of n in a strip. The last frame is
// taken flush with the strip's right edge, so the remainder of the width
// division is skipped just before it. Empty for n < 1.
Rect FrameRect(int stripWidth, int stripHeight, int n, int k);

// Frame k of n as a picture of its own (frame width x strip height). Parts of
// the frame outside the strip (k outside 1..n) stay zero; n < 1 gives an
// empty picture.
PixelBuffer CutFrame(PixelView strip, int n, int k);

// One piece of a nine-part draw: `source` in the picture goes to `target`.
// Corners are copied unscaled (masked by magenta only when the draw is
// transparent); the other pieces are stretched and always leave magenta
// unpainted.
struct NinePiece {
  enum class Kind { Corner, Stretched } kind = Kind::Corner;
  Rect source;
  Rect target;
  friend bool operator==(const NinePiece&, const NinePiece&) = default;
};

// The pieces, in drawing order, for a pw x ph picture drawn into (0, 0, W, H);
// empty pieces are left out.
std::vector<NinePiece> NinePartPieces(int pw, int ph, int W, int H);

// Draws `picture` over `bounds` of `target` in nine parts. Only bounds.right
// and bounds.bottom count: the pieces are laid out from (0, 0), as the
// skinned controls draw over their whole client rectangle.
void DrawNinePart(PixelView picture, PixelView target, Rect bounds, bool transparent);

// Draws a three-frame picture (left cap, middle, right cap) into the row
// starting at (bounds.left, bounds.top), the middle stretched across. The caps
// leave `maskColor` unpainted when `masked`; the height is never stretched and
// bounds.bottom is not used.
void DrawThreePart(PixelView picture, PixelView target, Rect bounds, uint32_t maskColor,
                   bool masked);

}  // namespace kestrova::skin
