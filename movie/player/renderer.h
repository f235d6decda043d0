// Renderer: draws a player's current frame through raster::Canvas.
//
//   movie::Renderer renderer(movie);
//   renderer.Render(player, buffer.View());   // "show all", anti-aliased
//
// The stage is scaled to fit the target with its aspect kept and centred;
// the target is first filled with the background colour (white when the
// movie sets none).
#pragma once

#include <map>
#include <memory>
#include <unordered_map>

#include "common/pixels.h"
#include "movie/player/device_shapes.h"
#include "movie/player/player.h"
#include "movie/player/shape_paths.h"
#include "movie/raster/raster.h"

namespace kestrova::movie {

// Stage twips to target pixels, "show all".
raster::Matrix ShowAllMatrix(const swf::TwipsRect& stage, int width, int height);

class Renderer {
 public:
  explicit Renderer(std::shared_ptr<const swf::Movie> movie);

  void Render(const Player& player, PixelView target);

 private:
  struct Context;
  void DrawList(const DisplayList& objects, const raster::Matrix& world,
                const raster::ColorTransform& cx, const raster::Mask* mask, Context& context);
  void DrawObject(const DisplayObject& object, const raster::Matrix& world,
                  const raster::ColorTransform& cx, const raster::Mask* mask, Context& context);
  void DrawPlaced(const DisplayObject& object, const raster::Matrix& world,
                  const raster::ColorTransform& cx, const raster::Mask* current, Context& context);
  std::unique_ptr<raster::Mask> ScriptMask(const DisplayObject& object, const raster::Mask* current,
                                           Context& context);
  void DrawContent(const DisplayObject& object, const raster::Matrix& world,
                   const raster::ColorTransform& cx, const raster::Mask* mask, Context& context);
  bool DrawScale9(const DisplayObject& object, const raster::Matrix& parentWorld,
                  const raster::Matrix& world, const raster::ColorTransform& cx,
                  const raster::Mask* mask, Context& context);
  void DrawDrawing(const Drawing& drawing, const raster::Matrix& world,
                   const raster::ColorTransform& cx, const raster::Mask* mask, Context& context);
  void DrawShape(DeviceShape& shape, const raster::ColorTransform& cx, Context& context);
  DeviceShape TextShape(const swf::Text& text, const raster::Matrix& world);
  void DrawText(uint16_t id, const swf::Text& text, const raster::Matrix& world,
                const raster::ColorTransform& cx, Context& context);
  void DrawField(const text::TextField& field, const raster::Matrix& world,
                 const raster::ColorTransform& cx, const raster::Mask* mask,
                 raster::Canvas& canvas);
  void MaskField(const text::TextField& field, const raster::Matrix& world, raster::Mask& mask,
                 raster::Canvas& canvas);
  // Glyph outlines of a field's layout, in field twips.
  template <typename F>
  void EachFieldGlyph(const text::TextField& field, const raster::Matrix& base, F&& f);
  void MaskObject(const DisplayObject& object, const raster::Matrix& world, raster::Mask& mask,
                  Context& context);
  const ShapePaths& PathsOf(uint16_t id, const swf::Shape& shape);
  const ShapePaths* GlyphPaths(uint16_t fontId, uint16_t index);
  std::shared_ptr<const raster::Image> Image(uint16_t id);

  std::shared_ptr<const swf::Movie> movie_;
  std::unordered_map<uint16_t, ShapePaths> shapes_;
  std::map<std::pair<uint16_t, uint16_t>, ShapePaths> glyphs_;
  std::unordered_map<char32_t, raster::Path> deviceGlyphs_;
  std::unordered_map<uint16_t, std::shared_ptr<const raster::Image>> images_;
  DeviceShapeCache devices_;
  // Drawings drawn last frame as they were and where they were: the paths
  // (kept alive, so a key is never another drawing's) and the world.
  struct DrawnShape {
    std::shared_ptr<const ShapePaths> paths;
    raster::Matrix world;
    DeviceShape shape;
    bool used = true;
  };
  std::unordered_map<const ShapePaths*, DrawnShape> drawings_;
  raster::Canvas scratch_{PixelView{}};  // its buffers serve every frame
};

}  // namespace kestrova::movie
