#include "movie/player/paint.h"

namespace kestrova::movie {

raster::Matrix ToRaster(const swf::Matrix& m) {
  return {m.a, m.b, m.c, m.d, static_cast<float>(m.tx.value), static_cast<float>(m.ty.value)};
}

raster::ColorTransform ToRaster(const swf::ColorTransform& cx) {
  return {cx.mr, cx.mg, cx.mb, cx.ma, cx.ar, cx.ag, cx.ab, cx.aa};
}

namespace {

raster::Gradient::Kind ToKind(swf::FillKind kind) {
  switch (kind) {
    case swf::FillKind::RadialGradient:
      return raster::Gradient::Kind::Radial;
    case swf::FillKind::FocalGradient:
      return raster::Gradient::Kind::Focal;
    default:
      return raster::Gradient::Kind::Linear;
  }
}

raster::Spread ToSpread(swf::SpreadMode spread) {
  switch (spread) {
    case swf::SpreadMode::Reflect:
      return raster::Spread::Reflect;
    case swf::SpreadMode::Repeat:
      return raster::Spread::Repeat;
    default:
      return raster::Spread::Pad;
  }
}

}  // namespace

bool MakePaint(const swf::FillStyle& fill, const raster::Matrix& world, const ImageLookup& images,
               raster::Paint& paint) {
  paint = raster::Paint{};
  switch (fill.kind) {
    case swf::FillKind::Solid:
      paint = raster::Paint::Solid(fill.color);
      return true;
    case swf::FillKind::Bitmap: {
      auto image = images(fill.bitmapId);
      if (!image) return false;
      paint.kind = raster::Paint::Kind::Bitmap;
      paint.bitmap.image = std::move(image);
      paint.bitmap.pixelToImage = (world * ToRaster(fill.matrix)).Inverse();
      paint.bitmap.repeat = fill.repeat;
      paint.bitmap.smooth = fill.smooth;
      return true;
    }
    default:
      break;
  }
  if (fill.stops.empty()) {
    // A gradient without colours paints black, as the original player does.
    paint = raster::Paint::Solid(0xFF000000);
    return true;
  }
  paint.kind = raster::Paint::Kind::Gradient;
  raster::Gradient& g = paint.gradient;
  g.kind = ToKind(fill.kind);
  for (const swf::GradientStop& s : fill.stops) g.stops.push_back({s.ratio, s.color});
  g.pixelToGradient = (world * ToRaster(fill.matrix)).Inverse();
  g.spread = ToSpread(fill.spread);
  g.interpolation = fill.interpolation == swf::InterpolationMode::Linear
                        ? raster::Interpolation::Linear
                        : raster::Interpolation::Normal;
  g.focal = std::clamp(fill.focal, -1.0f, 1.0f);
  return true;
}

}  // namespace kestrova::movie
