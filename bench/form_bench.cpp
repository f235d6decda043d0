// The pixel work of repainting the installer window's skinned frame, on the
// host: the client background tiled from the 8 x 8 pattern (done on every
// paint of the frame), and the window outline scanned from a title picture
// (done on every resize with a file theme that shapes the window).
#include <benchmark/benchmark.h>

#include <vector>

#include "common/pixels.h"
#include "skin/form/picture_region.h"
#include "skin/form/tile.h"

namespace kestrova::skin {
namespace {

// The installer's client area under the skinned frame.
constexpr int kClientWidth = 410;
constexpr int kClientHeight = 294;
constexpr int kWindowWidth = 416;
constexpr int kWindowHeight = 299;
constexpr uint32_t kMagenta = 0xFF00FF;

void BM_TileInstallerBackground(benchmark::State& state) {
  PixelBuffer tile(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) tile.At(x, y) = ColorToPixel(y % 2 ? 0xE2E2E2 : 0xECECEC);
  PixelBuffer client(kClientWidth, kClientHeight);
  for (auto _ : state) {
    TilePicture(tile.View(), client.View());
    benchmark::DoNotOptimize(client.At(kClientWidth - 1, kClientHeight - 1));
  }
  state.SetItemsProcessed(state.iterations() * kClientWidth * kClientHeight);
}
BENCHMARK(BM_TileInstallerBackground);

// A 26-row title picture with rounded ends and a few holes per row.
PixelBuffer TitlePicture() {
  PixelBuffer p(kWindowWidth, 26, ColorToPixel(0x806040));
  for (int y = 0; y < 26; ++y) {
    const int inset = y < 8 ? 8 - y : 0;
    for (int x = 0; x < inset; ++x) {
      p.At(x, y) = ColorToPixel(kMagenta);
      p.At(kWindowWidth - 1 - x, y) = ColorToPixel(kMagenta);
    }
    for (int x = 40 + y; x < kWindowWidth - 40; x += 97) p.At(x, y) = ColorToPixel(kMagenta);
  }
  return p;
}

void BM_ScanWindowOutline(benchmark::State& state) {
  const PixelBuffer title = TitlePicture();
  const PixelBuffer bottom(kWindowWidth, 4, ColorToPixel(0x806040));
  const RegionBand t{title.View(), true, -1, -1};
  const RegionBand b{bottom.View(), true, -1, -1};
  size_t rects = 0;
  for (auto _ : state) {
    std::vector<Rect> r = PictureRegionRects(t, b, kWindowWidth, kWindowHeight, kMagenta);
    rects = r.size();
    benchmark::DoNotOptimize(r.data());
  }
  state.counters["rectangles"] = double(rects);
}
BENCHMARK(BM_ScanWindowOutline);

}  // namespace
}  // namespace kestrova::skin

BENCHMARK_MAIN();
