// Bounds of a clip's content, for _width/_height and getBounds.
#pragma once

#include <optional>

#include "movie/player/clip.h"

namespace kestrova::avm1 {

// In the clip's own coordinates; nothing when it holds nothing.
std::optional<swf::TwipsRect> ClipContentBounds(movie::Clip& clip);
// In its parent's coordinates (through its placement matrix); empty: 0x0.
swf::TwipsRect ClipBoundsInParent(movie::Clip& clip);
swf::TwipsRect Transform(const swf::TwipsRect& r, const swf::Matrix& m);

}  // namespace kestrova::avm1
