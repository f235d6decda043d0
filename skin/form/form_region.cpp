// The window's shape: rounded corners for the built-in styles, the outline
// of the skin's title and bottom pictures for a file theme. A region given
// to the window is the window's from then on; only the pieces it is built
// from are deleted here.
#include <algorithm>
#include <vector>

#include "framework/handles.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "skin/form/picture_region.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using framework::RegionHandle;
using framework::TBitmap;

namespace {

RegionHandle RectRegion(int left, int top, int right, int bottom) {
  return RegionHandle(CreateRectRgn(left, top, right, bottom));
}

void Join(RegionHandle& into, const RegionHandle& part) {
  CombineRgn(into.Get(), into.Get(), part.Get(), RGN_OR);
}

// One region from all the rectangles in a single call.
RegionHandle RegionFromRects(const std::vector<Rect>& rects) {
  std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = DWORD(rects.size());
  header->nRgnSize = DWORD(rects.size() * sizeof(RECT));
  RECT bound{0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    UnionRect(&bound, &bound, &out[i]);
  }
  header->rcBound = bound;
  return RegionHandle(
      ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

RegionBand Band(TBitmap* picture, bool need, int minY, int maxY) {
  RegionBand band;
  band.needRegion = need && picture && !picture->Empty();
  if (band.needRegion) band.picture = picture->Pixels();
  band.minY = minY;
  band.maxY = maxY;
  return band;
}

}  // namespace

void BuildPictureRegion(HWND window, TBitmap* title, TBitmap* bottom, int width, int height,
                        framework::TColor transparent, int titleMinY, int titleMaxY, int bottomMinY,
                        int bottomMaxY, bool titleNeedRegion, bool bottomNeedRegion) {
  std::vector<Rect> rects =
      PictureRegionRects(Band(title, titleNeedRegion, titleMinY, titleMaxY),
                         Band(bottom, bottomNeedRegion, bottomMinY, bottomMaxY), width, height,
                         uint32_t(transparent) & 0xFFFFFF);
  RegionHandle region = RegionFromRects(rects);
  if (region && SetWindowRgn(window, region.Get(), TRUE)) region.Release();
}

void TsuiForm::UpdateFormRegion() {
  if (!owner_form_ || !owner_form_->HandleAllocated()) return;
  RECT bounds{};
  GetWindowRect(owner_form_->Handle(), &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  TsuiUIStyle effective;
  if (UsingFileTheme(file_theme_, ui_style_, effective))
    UpdatePictureRegion(width, height);
  else if (!Designing())
    UpdateBuiltInRegion(width, height);
}

void TsuiForm::UpdatePictureRegion(int width, int height) {
  HWND window = owner_form_->Handle();
  const bool normal = owner_form_->WindowState() == framework::TWindowState::wsNormal;
  if ((title_need_region_ || bottom_need_region_) && (!owner_form_->IsMDIChild() || normal)) {
    TBitmap* regionImage = nullptr;
    if (title_bar_) {
      title_bar_->Paint();
      regionImage = title_bar_->GetTitleImage(-1);
    }
    BuildPictureRegion(window, regionImage, &bottom_border_bitmap_, width, height, trans_color_,
                       title_region_min_y_, title_region_max_y_, bottom_region_min_y_,
                       bottom_region_max_y_, title_need_region_, bottom_need_region_);
    return;
  }
  RegionHandle whole = RectRegion(0, 0, width, height);
  if (SetWindowRgn(window, whole.Get(), TRUE)) whole.Release();
}

// Rounded top corners on the upper half, rounded bottom corners on the lower
// half; squares laid over each half's other corners keep those square.
void TsuiForm::UpdateBuiltInRegion(int width, int height) {
  const int h2 = height / 2;
  const int rc = RoundCorner();
  const int rb = std::max(RoundCornerBottom(), 0);
  RegionHandle region(CreateRoundRectRgn(0, 0, width + 1, h2 + 1, rc, rc));
  Join(region, RectRegion(0, h2 - 2 * rc, 2 * rc, h2));
  Join(region, RectRegion(width - 2 * rc, h2 - 2 * rc, width, h2));
  RegionHandle lower(CreateRoundRectRgn(0, h2, width + 1, height + 1, rb, rb));
  Join(lower, RectRegion(0, h2, 2 * rb, h2 + 2 * rb));
  Join(lower, RectRegion(width - 2 * rb, h2, width, h2 + 2 * rb));
  Join(region, lower);
  if (SetWindowRgn(owner_form_->Handle(), region.Get(), TRUE)) region.Release();
}

}  // namespace kestrova::skin
