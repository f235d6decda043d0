#include "framework/picture_cache.h"

#include "framework/win_control.h"

namespace kestrova::framework {

PaintStamp StampOf(const TControl& control, bool see_through, uint64_t extra) {
  PaintStamp stamp;
  stamp.width = control.Width();
  stamp.height = control.Height();
  stamp.extra = extra;
  const TWinControl* parent = control.Parent();
  if (!see_through || !parent) return stamp;
  stamp.left = control.Left();
  stamp.top = control.Top();
  stamp.parent_width = parent->ClientWidth();
  stamp.parent_height = parent->ClientHeight();
  // Generations only grow, so the sum moves whenever any of them does.
  for (const TWinControl* p = parent; p; p = p->Parent()) stamp.behind += p->PaintGeneration();
  return stamp;
}

void TPictureCache::CopyTo(HDC dc) const {
  if (picture_.Empty()) return;
  BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), picture_.MemoryHandle(), 0, 0, SRCCOPY);
}

}  // namespace kestrova::framework
