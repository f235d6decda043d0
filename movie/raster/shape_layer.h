// Conflation-free drawing of a shape's fills: they gather in a layer that
// knows, per pixel, how much of it is covered already, and the layer goes
// over the target once at the end.
#pragma once

#include <vector>

#include "movie/raster/coverage.h"
#include "movie/raster/shader.h"

namespace kestrova::raster {

class ShapeLayer {
 public:
  // The box of the target (in target pixels) the layer spans, emptied.
  void Reset(int left, int top, int width, int height);
  bool Contains(int y) const { return y >= top_ && y < top_ + height_; }
  int Left() const { return left_; }
  int Right() const { return left_ + width_; }
  // Adds a fill's coverage and premultiplied colours for pixels x.., row y.
  void Add(int y, int x, int count, const uint8_t* cover, const Pixel* source);
  void CompositeInto(PixelView target) const;

 private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::vector<Pixel> colour_;     // premultiplied, coverage-weighted
  std::vector<uint8_t> covered_;  // share of the pixel taken so far
};

class LayerSink final : public SpanSink {
 public:
  LayerSink(ShapeLayer& layer, const Shader& shader, const Mask* mask)
      : layer_(layer), shader_(shader), mask_(mask) {}
  void Constant(int y, int x, int count, uint8_t cover) override;
  void Varying(int y, int x, int count, const uint8_t* cover) override;

 private:
  static constexpr int kChunk = 256;
  void Chunk(int y, int x, int count, const uint8_t* cover);

  ShapeLayer& layer_;
  const Shader& shader_;
  const Mask* mask_;
  uint8_t cover_[kChunk];
  Pixel source_[kChunk];
};

}  // namespace kestrova::raster
