#include "movie/player/renderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "movie/player/filters.h"
#include "movie/player/line_outline.h"
#include "movie/player/morph.h"
#include "movie/player/paint.h"
#include "movie/player/scale9.h"
#include "movie/raster/blend.h"

namespace kestrova::movie {

namespace {

constexpr Pixel kDefaultBackground = 0xFFFFFFFF;

raster::Path Transformed(const raster::Path& path, const raster::Matrix& m) {
  raster::Path out = path;
  out.Transform(m);
  return out;
}

}  // namespace

// What one Render call shares: the canvas and its size.
struct Renderer::Context {
  Context(raster::Canvas on, int masks, bool inLayer)
      : canvas(on),
        width(on.Target().width),
        height(on.Target().height),
        liveMasks(masks),
        layer(inLayer) {}
  raster::Canvas canvas;
  int width, height;
  int liveMasks;
  bool layer;            // drawing into an object's own layer, not the target
  float stageScale = 1;  // target pixels per stage pixel (filters' unit)
  raster::Matrix stage;  // the root's world: where scripts' masks are placed from
  const Clip* root = nullptr;
};

// Masks are the target's size; a movie stacking clip layers without end
// must not take memory without end. Clip layers beyond this many at once
// leave their depths under the masks already there.
constexpr int kMaxLiveMasks = 64;

raster::Matrix ShowAllMatrix(const swf::TwipsRect& stage, int width, int height) {
  float w = std::max(stage.Width().Pixels(), 1.0f / swf::kTwipsPerPixel);
  float h = std::max(stage.Height().Pixels(), 1.0f / swf::kTwipsPerPixel);
  float scale = std::min(width / w, height / h);
  float perTwip = scale / swf::kTwipsPerPixel;
  float offsetX = (width - w * scale) / 2;
  float offsetY = (height - h * scale) / 2;
  return {perTwip,
          0,
          0,
          perTwip,
          offsetX - stage.xMin.value * perTwip,
          offsetY - stage.yMin.value * perTwip};
}

Renderer::Renderer(std::shared_ptr<const swf::Movie> movie) : movie_(std::move(movie)) {}

void Renderer::Render(const Player& player, PixelView target) {
  if (target.Empty()) return;
  Context context(scratch_.Retargeted(target), 0, false);
  context.canvas.Clear(movie_->background.value_or(kDefaultBackground));
  raster::Matrix world = ShowAllMatrix(movie_->header.stage, target.width, target.height);
  context.stageScale = world.a * swf::kTwipsPerPixel;
  context.stage = world;
  context.root = &player.Root();
  DrawDrawing(player.Root().Drawn(), world, {}, nullptr, context);
  DrawList(player.Root().Objects(), world, {}, nullptr, context);
  context.canvas.SetMask(nullptr);
  devices_.EndFrame();
  for (auto it = drawings_.begin(); it != drawings_.end();)
    it = std::exchange(it->second.used, false) ? std::next(it) : drawings_.erase(it);
}

// Objects in depth order; an object with a clip depth becomes a mask over
// the depths above it up to that depth, and is not drawn itself.
void Renderer::DrawList(const DisplayList& objects, const raster::Matrix& world,
                        const raster::ColorTransform& cx, const raster::Mask* mask,
                        Context& context) {
  struct ActiveClip {
    uint16_t until;
    std::unique_ptr<raster::Mask> mask;
  };
  std::vector<ActiveClip> clips;
  auto currentMask = [&]() -> const raster::Mask* {
    for (auto it = clips.rbegin(); it != clips.rend(); ++it)
      if (it->mask) return it->mask.get();
    return mask;
  };
  for (const auto& [depth, object] : objects) {
    const int at = depth;  // clang 14 cannot capture structured bindings
    for (const ActiveClip& c : clips)
      if (at > c.until && c.mask) --context.liveMasks;
    std::erase_if(clips, [at](const ActiveClip& c) { return at > c.until; });
    const raster::Mask* current = currentMask();
    if (object.clipDepth > depth) {
      std::unique_ptr<raster::Mask> layer;
      if (context.liveMasks < kMaxLiveMasks) {
        layer = std::make_unique<raster::Mask>(context.width, context.height);
        ++context.liveMasks;
        MaskObject(object, world, *layer, context);
        if (current) layer->Intersect(*current);
      }
      clips.push_back({object.clipDepth, std::move(layer)});
    } else {
      DrawPlaced(object, world, cx, current, context);
    }
    for (const DisplayObject& above : object.displaced)
      DrawPlaced(above, world, cx, current, context);
  }
  for (const ActiveClip& c : clips)
    if (c.mask) --context.liveMasks;
}

// One object of a display list that is not a mask: within the mask a
// script gave it, if any.
void Renderer::DrawPlaced(const DisplayObject& object, const raster::Matrix& world,
                          const raster::ColorTransform& cx, const raster::Mask* current,
                          Context& context) {
  if (object.clipDepth || !object.visible || object.isMask) return;
  std::unique_ptr<raster::Mask> scripted = ScriptMask(object, current, context);
  context.liveMasks += scripted ? 1 : 0;
  DrawObject(object, world, cx, scripted ? scripted.get() : current, context);
  context.liveMasks -= scripted ? 1 : 0;
}

// The coverage of the clip a script set as the object's mask, where that
// clip is on the stage (within `current`); none when the object has no
// mask or the mask is not on the stage.
std::unique_ptr<raster::Mask> Renderer::ScriptMask(const DisplayObject& object,
                                                   const raster::Mask* current, Context& context) {
  std::shared_ptr<Clip> maskClip = object.maskClip.lock();
  if (!maskClip || context.liveMasks >= kMaxLiveMasks) return nullptr;
  std::vector<const DisplayObject*> chain;  // the mask, then its parents up to the root
  Clip* clip = maskClip.get();
  for (; clip->Parent(); clip = clip->Parent()) {
    const DisplayObject* self = clip->Self();
    if (!self) return nullptr;
    chain.push_back(self);
  }
  if (clip != context.root) return nullptr;
  raster::Matrix parentWorld = context.stage;
  for (size_t i = chain.size(); i-- > 1;) parentWorld = parentWorld * ToRaster(chain[i]->matrix);
  auto mask = std::make_unique<raster::Mask>(context.width, context.height);
  MaskObject(*chain.front(), parentWorld, *mask, context);
  if (current) mask->Intersect(*current);
  return mask;
}

void Renderer::DrawObject(const DisplayObject& object, const raster::Matrix& parentWorld,
                          const raster::ColorTransform& parentCx, const raster::Mask* mask,
                          Context& context) {
  const raster::BlendMode mode = raster::ToBlendMode(object.blendMode);
  // Alpha and erase act on the layer of the clip they are in; elsewhere
  // they have nothing to act on and the object draws as normal.
  const bool parentLayer =
      context.layer || (mode != raster::BlendMode::Alpha && mode != raster::BlendMode::Erase);
  // Filters work on what the object drew alone: it gets a layer too.
  if ((mode != raster::BlendMode::Normal && parentLayer) || !object.filters.empty()) {
    PixelBuffer pixels(context.width, context.height);
    Context layer(scratch_.Retargeted(pixels.View()), context.liveMasks, true);
    layer.stageScale = context.stageScale;
    layer.stage = context.stage;
    layer.root = context.root;
    if (object.filters.empty()) {
      DrawContent(object, parentWorld, parentCx, nullptr, layer);
    } else {
      // Colour transforms colour what the filters made, so they come after.
      DisplayObject plain = object;
      plain.colorTransform = {};
      DrawContent(plain, parentWorld, {}, nullptr, layer);
      ApplyFilters(pixels.View(), object.filters, context.stageScale,
                   parentCx * ToRaster(object.colorTransform));
    }
    raster::Blend(context.canvas.Target(), pixels.View(),
                  parentLayer ? mode : raster::BlendMode::Normal, mask);
    return;
  }
  DrawContent(object, parentWorld, parentCx, mask, context);
}

void Renderer::DrawContent(const DisplayObject& object, const raster::Matrix& parentWorld,
                           const raster::ColorTransform& parentCx, const raster::Mask* mask,
                           Context& context) {
  if (object.field) {  // a field scripts made has no character
    context.canvas.SetMask(mask);
    DrawField(*object.field, parentWorld * ToRaster(object.matrix),
              parentCx * ToRaster(object.colorTransform), mask, context.canvas);
    context.canvas.SetMask(nullptr);
    return;
  }
  raster::Matrix world = parentWorld * ToRaster(object.matrix);
  raster::ColorTransform cx = parentCx * ToRaster(object.colorTransform);
  if (object.clip) {  // createEmptyMovieClip's clips have no character
    DrawDrawing(object.clip->Drawn(), world, cx, mask, context);
    if (!DrawScale9(object, parentWorld, world, cx, mask, context))
      DrawList(object.clip->Objects(), world, cx, mask, context);
    return;
  }
  const swf::Character* character = movie_->Find(object.characterId);
  if (!character) return;
  context.canvas.SetMask(mask);
  auto images = [this](uint16_t id) { return Image(id); };
  if (const auto* shape = std::get_if<swf::Shape>(character)) {
    DrawShape(devices_.Get(object.characterId, world,
                           [&] {
                             return BuildDeviceShape(*shape, PathsOf(object.characterId, *shape),
                                                     world, images);
                           }),
              cx, context);
  } else if (const auto* morph = std::get_if<swf::MorphShape>(character)) {
    swf::Shape now = Interpolate(*morph, object.ratio / 65535.0f);
    DeviceShape device = BuildDeviceShape(now, BuildShapePaths(now), world, images);
    DrawShape(device, cx, context);
  } else if (const auto* text = std::get_if<swf::Text>(character)) {
    DrawText(object.characterId, *text, world, cx, context);
  }
  context.canvas.SetMask(nullptr);
}

// A sprite with a scaling grid: its shapes through the grid's map, other
// children as usual. One holding clip layers is drawn the usual way.
bool Renderer::DrawScale9(const DisplayObject& object, const raster::Matrix& parentWorld,
                          const raster::Matrix& world, const raster::ColorTransform& cx,
                          const raster::Mask* mask, Context& context) {
  auto grid = movie_->scalingGrids.find(object.characterId);
  if (grid == movie_->scalingGrids.end()) return false;
  auto shapeOf = [this](const DisplayObject& child) -> const swf::Shape* {
    const swf::Character* c = child.clip ? nullptr : movie_->Find(child.characterId);
    return c ? std::get_if<swf::Shape>(c) : nullptr;
  };
  float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (const auto& [depth, child] : object.clip->Objects()) {
    if (child.clipDepth) return false;
    const swf::Shape* shape = shapeOf(child);
    if (!shape) continue;
    const swf::TwipsRect& b = shape->bounds;
    const raster::Matrix m = ToRaster(child.matrix);
    for (auto [x, y] :
         {std::pair{b.xMin, b.yMin}, {b.xMax, b.yMin}, {b.xMin, b.yMax}, {b.xMax, b.yMax}}) {
      const raster::Point p = m.Apply({float(x.value), float(y.value)});
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x),
      y1 = std::max(y1, p.y);
    }
  }
  if (!(x1 > x0 && y1 > y0)) return false;
  const swf::TwipsRect bounds{{int32_t(std::floor(x0))},
                              {int32_t(std::ceil(x1))},
                              {int32_t(std::floor(y0))},
                              {int32_t(std::ceil(y1))}};
  const auto map = MakeScale9(bounds, grid->second, parentWorld, world);
  if (!map) return false;
  auto images = [this](uint16_t id) { return Image(id); };
  for (const auto& [depth, child] : object.clip->Objects()) {
    if (!child.visible || child.isMask) continue;
    const swf::Shape* shape = shapeOf(child);
    if (!shape) {
      DrawObject(child, world, cx, mask, context);
      continue;
    }
    context.canvas.SetMask(mask);
    DeviceShape device = BuildScale9Shape(*shape, PathsOf(child.characterId, *shape),
                                          ToRaster(child.matrix), world, *map, images);
    DrawShape(device, cx * ToRaster(child.colorTransform), context);
    context.canvas.SetMask(nullptr);
  }
  return true;
}

// Kept while neither the drawing nor its place changes.
void Renderer::DrawDrawing(const Drawing& drawing, const raster::Matrix& world,
                           const raster::ColorTransform& cx, const raster::Mask* mask,
                           Context& context) {
  if (drawing.Empty()) return;
  std::shared_ptr<const ShapePaths> paths = drawing.SharedPaths();
  DrawnShape& drawn = drawings_[paths.get()];
  auto same = [](const raster::Matrix& m, const raster::Matrix& n) {
    return m.a == n.a && m.b == n.b && m.c == n.c && m.d == n.d && m.tx == n.tx && m.ty == n.ty;
  };
  if (!drawn.paths || !same(drawn.world, world)) {
    auto images = [this](uint16_t id) { return Image(id); };
    drawn.shape = BuildDeviceShape(drawing.Shape(), *paths, world, images);
    drawn.paths = paths;
    drawn.world = world;
  }
  drawn.used = true;
  context.canvas.SetMask(mask);
  DrawShape(drawn.shape, cx, context);
  context.canvas.SetMask(nullptr);
}

// A group's fills are drawn as one, so edges they share show no seam.
void Renderer::DrawShape(DeviceShape& shape, const raster::ColorTransform& cx, Context& context) {
  for (DeviceGroup& group : shape.groups) {
    context.canvas.FillShape(group.fills, cx, &group.fillsKept);
    group.linesKept.resize(group.lines.size());
    for (size_t i = 0; i < group.lines.size(); ++i)
      context.canvas.FillShape({&group.lines[i], 1}, cx, &group.linesKept[i]);
  }
}

// Glyph outlines are in EM units: a glyph of text height h is scaled by
// h / units-per-EM and placed at its record's pen position. Each glyph is
// a group of its own: glyphs draw one by one.
DeviceShape Renderer::TextShape(const swf::Text& text, const raster::Matrix& world) {
  DeviceShape out;
  raster::Matrix base = world * ToRaster(text.matrix);
  for (const swf::TextGlyph& glyph : text.glyphs) {
    const ShapePaths* paths = GlyphPaths(glyph.fontId, glyph.index);
    if (!paths) continue;
    const auto& font = std::get<swf::Font>(*movie_->Find(glyph.fontId));
    float scale = glyph.height.value / font.unitsPerEm;
    raster::Matrix place{scale, 0, 0, scale, float(glyph.x.value), float(glyph.y.value)};
    raster::Matrix m = base * place;
    for (const PathLayer& layer : paths->layers)
      for (const StyledPath& fill : layer.fills)
        out.groups.push_back({{{FlattenedPath(Transformed(fill.path, m)), raster::FillRule::NonZero,
                                raster::Paint::Solid(glyph.color)}},
                              {}});
  }
  return out;
}

void Renderer::DrawText(uint16_t id, const swf::Text& text, const raster::Matrix& world,
                        const raster::ColorTransform& cx, Context& context) {
  DrawShape(devices_.Get(id, world, [&] { return TextShape(text, world); }), cx, context);
}

// A clip layer's coverage: every fill and line of the object (and of a
// sprite's children), colours ignored.
void Renderer::MaskObject(const DisplayObject& object, const raster::Matrix& parentWorld,
                          raster::Mask& mask, Context& context) {
  if (object.field) {
    MaskField(*object.field, parentWorld * ToRaster(object.matrix), mask, context.canvas);
    return;
  }
  raster::Matrix world = parentWorld * ToRaster(object.matrix);
  auto maskShape = [&](const swf::Shape& shape, const ShapePaths& paths) {
    raster::FillRule rule = shape.nonZero ? raster::FillRule::NonZero : raster::FillRule::EvenOdd;
    for (const PathLayer& layer : paths.layers) {
      for (const StyledPath& fill : layer.fills)
        context.canvas.FillMask(mask, Transformed(fill.path, world), rule);
      for (const StyledPath& stroke : layer.strokes)
        context.canvas.FillMask(mask,
                                LineOutline(stroke.path, shape.lines[stroke.style - 1], world),
                                raster::FillRule::NonZero);
    }
  };
  if (object.clip) {
    const Drawing& drawing = object.clip->Drawn();
    if (!drawing.Empty()) maskShape(drawing.Shape(), drawing.Paths());
    for (const auto& [depth, child] : object.clip->Objects())
      if (!child.clipDepth) MaskObject(child, world, mask, context);
    return;
  }
  const swf::Character* character = movie_->Find(object.characterId);
  if (!character) return;

  if (const auto* shape = std::get_if<swf::Shape>(character)) {
    maskShape(*shape, PathsOf(object.characterId, *shape));
  } else if (const auto* morph = std::get_if<swf::MorphShape>(character)) {
    swf::Shape now = Interpolate(*morph, object.ratio / 65535.0f);
    maskShape(now, BuildShapePaths(now));
  }
}

const ShapePaths& Renderer::PathsOf(uint16_t id, const swf::Shape& shape) {
  auto it = shapes_.find(id);
  if (it == shapes_.end()) it = shapes_.emplace(id, BuildShapePaths(shape)).first;
  return it->second;
}

const ShapePaths* Renderer::GlyphPaths(uint16_t fontId, uint16_t index) {
  auto key = std::make_pair(fontId, index);
  auto it = glyphs_.find(key);
  if (it != glyphs_.end()) return &it->second;
  const swf::Character* character = movie_->Find(fontId);
  const auto* font = character ? std::get_if<swf::Font>(character) : nullptr;
  if (!font || index >= font->glyphs.size()) return nullptr;
  return &glyphs_.emplace(key, BuildShapePaths(font->glyphs[index])).first->second;
}

std::shared_ptr<const raster::Image> Renderer::Image(uint16_t id) {
  auto it = images_.find(id);
  if (it != images_.end()) return it->second;
  std::shared_ptr<const raster::Image> image;
  const swf::Character* character = movie_->Find(id);
  if (const auto* bitmap = character ? std::get_if<swf::Bitmap>(character) : nullptr)
    image = std::make_shared<const raster::Image>(raster::Image{*bitmap->pixels});
  images_.emplace(id, image);
  return image;
}

}  // namespace kestrova::movie
