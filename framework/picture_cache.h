// TPictureCache: a control's finished picture, kept so that a repaint the
// system asks for (the window uncovered, dragged or redrawn) is one block
// copy. The control drops it whenever it changes what it shows (from its
// Invalidate, which every property setter reaches through Repaint); the
// stamp catches what changes around it: its size and, for a see-through
// control, its place and whatever its parents paint behind it.
//
//   void TSwatch::Paint() {
//     const PaintStamp stamp = StampOf(*this, Transparent());
//     if (!cache_.Holds(stamp)) {
//       cache_.Picture() = TBitmap(Width(), Height());
//       Compose(cache_.Picture().Canvas());
//       cache_.Keep(StampOf(*this, Transparent()));  // composing may resize
//     }
//     cache_.CopyTo(Canvas().Handle());
//   }
//   void TSwatch::Invalidate() { cache_.Drop(); TCustomControl::Invalidate(); }
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/bitmap.h"

namespace kestrova::framework {

class TControl;

// What a kept picture was made for, besides the control's own state.
struct PaintStamp {
  int width = 0, height = 0;
  // See-through controls only: the place in the parent, the parent's
  // client size and the sum of the paint generations of every ancestor.
  int left = 0, top = 0, parent_width = 0, parent_height = 0;
  uint64_t behind = 0;
  // Anything else the control's picture depends on that does not invalidate
  // it (a file theme's version, say).
  uint64_t extra = 0;
  bool operator==(const PaintStamp&) const = default;
};

PaintStamp StampOf(const TControl& control, bool see_through, uint64_t extra = 0);

class TPictureCache {
 public:
  bool Holds(const PaintStamp& stamp) const { return kept_ && stamp == stamp_; }
  TBitmap& Picture() { return picture_; }
  void Keep(const PaintStamp& stamp) {
    stamp_ = stamp;
    kept_ = true;
  }
  void Drop() { kept_ = false; }
  bool Kept() const { return kept_; }
  // The picture at (0, 0) of `dc`, one BitBlt.
  void CopyTo(HDC dc) const;

 private:
  TBitmap picture_;
  PaintStamp stamp_;
  bool kept_ = false;
};

}  // namespace kestrova::framework
