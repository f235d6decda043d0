#include "movie/raster/shape_layer.h"

#include <algorithm>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {
namespace {

// Per channel a + b, held at 255 (rounding may push a sum one over).
Pixel SaturatingAdd(Pixel a, Pixel b) {
  uint32_t rb = (a & 0x00FF00FFu) + (b & 0x00FF00FFu);
  uint32_t ag = ((a >> 8) & 0x00FF00FFu) + ((b >> 8) & 0x00FF00FFu);
  rb |= 0x01000100u - ((rb >> 8) & 0x00010001u);
  ag |= 0x01000100u - ((ag >> 8) & 0x00010001u);
  return (rb & 0x00FF00FFu) | ((ag & 0x00FF00FFu) << 8);
}

// A fill covering c of a pixel whose share `have` is taken: the part that
// fits in the free share sits beside what is there (two fills meeting at an
// edge), the rest is laid over it, taking away what it hides.
void AddToPixel(Pixel& colour, uint8_t& covered, uint32_t c, Pixel source) {
  const uint32_t have = covered;
  if (c == 255 && have == 0) {  // the inside of a fill: most pixels
    colour = source;
    covered = 255;
    return;
  }
  const uint32_t free = std::min(c, 255 - have), over = c - free;
  if (over && have) colour -= ScalePixel(colour, (over * (source >> 24) + have / 2) / have);
  colour = SaturatingAdd(colour, ScalePixel(source, c));
  covered = uint8_t(have + free);
}

}  // namespace

void ShapeLayer::Reset(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  colour_.assign(size_t(width_) * height_, 0);
  covered_.assign(size_t(width_) * height_, 0);
}

void ShapeLayer::Add(int y, int x, int count, const uint8_t* cover, const Pixel* source) {
  const size_t at = size_t(y - top_) * width_ + size_t(x - left_);
  Pixel* colour = colour_.data() + at;
  uint8_t* covered = covered_.data() + at;
  for (int i = 0; i < count; ++i)
    if (cover[i]) AddToPixel(colour[i], covered[i], cover[i], source[i]);
}

void ShapeLayer::CompositeInto(PixelView target) const {
  for (int y = 0; y < height_; ++y) {
    Pixel* dst = target.Row(top_ + y) + left_;
    const Pixel* colour = colour_.data() + size_t(y) * width_;
    const uint8_t* covered = covered_.data() + size_t(y) * width_;
    for (int x = 0; x < width_; ++x) {
      if (!covered[x]) continue;
      const Pixel c = colour[x];  // opaque: no channel can exceed its alpha
      dst[x] = (c >> 24) == 255 ? c : SourceOver(dst[x], ClampToAlpha(c));
    }
  }
}

void LayerSink::Constant(int y, int x, int count, uint8_t cover) {
  std::fill(cover_, cover_ + std::min(count, kChunk), cover);
  for (int done = 0; done < count; done += kChunk)
    Chunk(y, x + done, std::min(kChunk, count - done), cover_);
}

void LayerSink::Varying(int y, int x, int count, const uint8_t* cover) {
  for (int done = 0; done < count; done += kChunk)
    Chunk(y, x + done, std::min(kChunk, count - done), cover + done);
}

// Clipped to the layer and the mask, then shaded run by covered run.
void LayerSink::Chunk(int y, int x, int count, const uint8_t* cover) {
  if (!layer_.Contains(y)) return;
  const int first = std::max(x, layer_.Left());
  int end = std::min(x + count, layer_.Right());
  if (mask_) end = y < mask_->Height() ? std::min(end, mask_->Width()) : first;
  if (end <= first) return;
  uint8_t masked[kChunk];
  for (int i = first; i < end; ++i) {
    uint32_t c = cover[i - x];
    masked[i - first] = uint8_t(mask_ ? Div255(c * mask_->Row(y)[i]) : c);
  }
  const int n = end - first;
  for (int i = 0; i < n;) {
    while (i < n && masked[i] == 0) ++i;
    int stop = i;
    while (stop < n && masked[stop] != 0) ++stop;
    if (stop == i) break;
    shader_.Fetch(y, first + i, stop - i, source_);
    layer_.Add(y, first + i, stop - i, masked + i, source_);
    i = stop;
  }
}

}  // namespace kestrova::raster
