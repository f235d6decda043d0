#include "movie/raster/compositor.h"

#include <algorithm>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {

PaintSink::PaintSink(PixelView target, const Shader& shader, const Mask* mask)
    : target_(target), shader_(shader), mask_(mask) {}

// Spans come inside the target; a mask smaller than it hides the rest.
int PaintSink::Clipped(int y, int x, int count) const {
  if (!mask_) return count;
  if (y >= mask_->Height() || x >= mask_->Width()) return 0;
  return std::min(count, mask_->Width() - x);
}

void PaintSink::Constant(int y, int x, int count, uint8_t cover) {
  count = Clipped(y, x, count);
  Pixel* dst = target_.Row(y) + x;
  for (int done = 0; done < count; done += kChunk) {
    int n = std::min(kChunk, count - done);
    if (mask_) {
      const uint8_t* m = mask_->Row(y) + x + done;
      for (int i = 0; i < n; ++i) masked_[i] = uint8_t(Div255(uint32_t(m[i]) * cover));
      VaryingChunk(dst + done, y, x + done, n, masked_);
    } else {
      ConstantChunk(dst + done, y, x + done, n, cover);
    }
  }
}

void PaintSink::Varying(int y, int x, int count, const uint8_t* cover) {
  count = Clipped(y, x, count);
  Pixel* dst = target_.Row(y) + x;
  for (int done = 0; done < count; done += kChunk) {
    int n = std::min(kChunk, count - done);
    const uint8_t* c = cover + done;
    if (mask_) {
      const uint8_t* m = mask_->Row(y) + x + done;
      for (int i = 0; i < n; ++i) masked_[i] = uint8_t(Div255(uint32_t(m[i]) * c[i]));
      c = masked_;
    }
    VaryingChunk(dst + done, y, x + done, n, c);
  }
}

void PaintSink::ConstantChunk(Pixel* dst, int y, int x, int count, uint8_t cover) {
  if (shader_.IsSolid()) {
    const Pixel src = cover == 255 ? shader_.Solid() : ScalePixel(shader_.Solid(), cover);
    if ((src >> 24) == 255) {
      std::fill(dst, dst + count, src);
    } else if (src != 0) {
      for (int i = 0; i < count; ++i) dst[i] = SourceOver(dst[i], src);
    }
    return;
  }
  shader_.Fetch(y, x, count, source_);
  if (cover == 255) {
    for (int i = 0; i < count; ++i) {
      const Pixel s = source_[i];
      dst[i] = (s >> 24) == 255 ? s : SourceOver(dst[i], s);
    }
  } else {
    for (int i = 0; i < count; ++i) dst[i] = SourceOver(dst[i], ScalePixel(source_[i], cover));
  }
}

void PaintSink::VaryingChunk(Pixel* dst, int y, int x, int count, const uint8_t* cover) {
  if (shader_.IsSolid()) {
    const Pixel solid = shader_.Solid();
    const bool opaque = (solid >> 24) == 255;
    for (int i = 0; i < count; ++i) {
      const uint32_t c = cover[i];
      if (c == 255 && opaque) {
        dst[i] = solid;
      } else if (c != 0) {
        dst[i] = SourceOver(dst[i], ScalePixel(solid, c));
      }
    }
    return;
  }
  // Only the covered runs are shaded: a mask often hides most of a fill.
  for (int i = 0; i < count;) {
    while (i < count && cover[i] == 0) ++i;
    int end = i;
    while (end < count && cover[end] != 0) ++end;
    if (end == i) break;
    shader_.Fetch(y, x + i, end - i, source_);
    for (int k = i; k < end; ++k) {
      const uint32_t c = cover[k];
      const Pixel s = source_[k - i];
      dst[k] =
          c == 255 && (s >> 24) == 255 ? s : SourceOver(dst[k], c == 255 ? s : ScalePixel(s, c));
    }
    i = end;
  }
}

void MaskSink::Constant(int y, int x, int count, uint8_t cover) {
  uint8_t* m = mask_.Row(y) + x;
  for (int i = 0; i < count; ++i) m[i] = uint8_t(m[i] + Div255(uint32_t(cover) * (255 - m[i])));
}

void MaskSink::Varying(int y, int x, int count, const uint8_t* cover) {
  uint8_t* m = mask_.Row(y) + x;
  for (int i = 0; i < count; ++i) m[i] = uint8_t(m[i] + Div255(uint32_t(cover[i]) * (255 - m[i])));
}

}  // namespace kestrova::raster
