// Small movies for the decoder and player tests, built with SwfWriter.
#pragma once

#include <cstdint>
#include <vector>

#include "movie/swf/writer.h"

namespace kestrova::swf::testing {

using Bytes = std::vector<uint8_t>;

inline TwipsRect Stage(int width, int height) {
  return {{0}, Twips::FromPixels(width), {0}, Twips::FromPixels(height)};
}

inline FillStyle Solid(Pixel color) {
  FillStyle f;
  f.color = color;
  return f;
}

// A 200x100 movie: shape 1 (red rectangle 10..60 x 10..40 px) placed at
// depth 1, one frame.
inline SwfWriter RectangleMovie(uint8_t version = 8) {
  SwfWriter swf(version, Stage(200, 100), 12);
  swf.Tag(tag::kSetBackgroundColor, {0x11, 0x22, 0x33});
  ShapeBuilder shape;
  shape.Rect(200, 200, 1200, 800, shape.AddFill(Solid(0xFFFF0000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, shape, 3));
  PlaceObject place;
  place.depth = 1;
  place.character = 1;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  return swf;
}

inline Bytes PlaceBody(uint16_t depth, uint16_t character, int32_t x = 0, int32_t y = 0) {
  PlaceObject place;
  place.depth = depth;
  place.character = character;
  Matrix m;
  m.tx = {x};
  m.ty = {y};
  place.matrix = m;
  return PlaceObject2Body(place);
}

}  // namespace kestrova::swf::testing
