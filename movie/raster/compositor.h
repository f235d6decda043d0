// Span sinks: coverage painted into the target, or gathered into a mask.
#pragma once

#include "movie/raster/coverage.h"
#include "movie/raster/shader.h"

namespace kestrova::raster {

// Source-over of the shader's colours, weighted by coverage (times the
// clip mask when there is one; outside the mask nothing is drawn).
class PaintSink final : public SpanSink {
 public:
  PaintSink(PixelView target, const Shader& shader, const Mask* mask);
  void Constant(int y, int x, int count, uint8_t cover) override;
  void Varying(int y, int x, int count, const uint8_t* cover) override;

 private:
  static constexpr int kChunk = 256;
  int Clipped(int y, int x, int count) const;
  void ConstantChunk(Pixel* dst, int y, int x, int count, uint8_t cover);
  void VaryingChunk(Pixel* dst, int y, int x, int count, const uint8_t* cover);

  PixelView target_;
  const Shader& shader_;
  const Mask* mask_;
  Pixel source_[kChunk];
  uint8_t masked_[kChunk];
};

// Union of coverage into a mask: m + c (1 - m).
class MaskSink final : public SpanSink {
 public:
  explicit MaskSink(Mask& mask) : mask_(mask) {}
  void Constant(int y, int x, int count, uint8_t cover) override;
  void Varying(int y, int x, int count, const uint8_t* cover) override;

 private:
  Mask& mask_;
};

}  // namespace kestrova::raster
