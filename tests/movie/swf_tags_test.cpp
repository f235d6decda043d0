// Tag stream and record decoding: shapes, morphs, placements, sprites,
// texts, and what happens to tags that lie about their data.
#include <gtest/gtest.h>

#include "movie/swf/decoder.h"
#include "movie/swf/timeline_reader.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::swf {
namespace {

using namespace testing;

template <typename T>
const T& Get(const Movie& movie, uint16_t id) {
  const Character* c = movie.Find(id);
  EXPECT_NE(c, nullptr);
  return std::get<T>(*c);
}

TEST(SwfShape, EdgesCarryAbsolutePointsAndStyles) {
  SwfWriter swf(8, Stage(100, 100), 24);
  ShapeBuilder shape;
  uint16_t red = shape.AddFill(Solid(0xFFFF0000));
  LineStyle line;
  line.width = {40};
  line.color = 0x800000FF;
  uint16_t blue = shape.AddLine(line);
  shape.Styles(red, 0, blue).MoveTo(100, 100).LineTo(500, 100).CurveTo(700, 300, 500, 500);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(7, shape, 3));
  swf.ShowFrame();
  Movie movie = DecodeMovie(swf.Finish(false));
  const Shape& s = Get<Shape>(movie, 7);
  ASSERT_EQ(s.fills.size(), 1u);
  EXPECT_EQ(s.fills[0].color, 0xFFFF0000);
  ASSERT_EQ(s.lines.size(), 1u);
  EXPECT_EQ(s.lines[0].width, Twips{40});
  EXPECT_EQ(s.lines[0].color, 0x800000FFu);
  ASSERT_EQ(s.edges.size(), 2u);
  EXPECT_EQ(s.edges[0].from, (TwipsPoint{{100}, {100}}));
  EXPECT_EQ(s.edges[0].to, (TwipsPoint{{500}, {100}}));
  EXPECT_FALSE(s.edges[0].curve);
  EXPECT_EQ(s.edges[0].fill0, 1);
  EXPECT_EQ(s.edges[0].fill1, 0);
  EXPECT_EQ(s.edges[0].line, 1);
  EXPECT_TRUE(s.edges[1].curve);
  EXPECT_EQ(s.edges[1].control, (TwipsPoint{{700}, {300}}));
  EXPECT_EQ(s.edges[1].to, (TwipsPoint{{500}, {500}}));
}

TEST(SwfShape, GradientAndBitmapFillsRoundTrip) {
  SwfWriter swf(8, Stage(100, 100), 24);
  ShapeBuilder shape;
  FillStyle gradient;
  gradient.kind = FillKind::RadialGradient;
  gradient.matrix.a = gradient.matrix.d = 0.5f;
  gradient.spread = SpreadMode::Reflect;
  gradient.interpolation = InterpolationMode::Linear;
  gradient.stops = {{0, 0xFFFFFFFF}, {255, 0x80000000}};
  FillStyle bitmap;
  bitmap.kind = FillKind::Bitmap;
  bitmap.bitmapId = 3;
  bitmap.repeat = false;
  bitmap.smooth = false;
  shape.Rect(0, 0, 100, 100, shape.AddFill(gradient));
  shape.Rect(0, 0, 50, 50, shape.AddFill(bitmap));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, shape, 3));
  Movie movie = DecodeMovie(swf.Finish(false));
  const Shape& s = Get<Shape>(movie, 1);
  ASSERT_EQ(s.fills.size(), 2u);
  EXPECT_EQ(s.fills[0].kind, FillKind::RadialGradient);
  EXPECT_FLOAT_EQ(s.fills[0].matrix.a, 0.5f);
  EXPECT_EQ(s.fills[0].spread, SpreadMode::Reflect);
  EXPECT_EQ(s.fills[0].interpolation, InterpolationMode::Linear);
  ASSERT_EQ(s.fills[0].stops.size(), 2u);
  EXPECT_EQ(s.fills[0].stops[1].ratio, 255);
  EXPECT_EQ(s.fills[0].stops[1].color, 0x80000000u);
  EXPECT_EQ(s.fills[1].kind, FillKind::Bitmap);
  EXPECT_EQ(s.fills[1].bitmapId, 3);
  EXPECT_FALSE(s.fills[1].repeat);
  EXPECT_FALSE(s.fills[1].smooth);
}

// A style index past the tables must not pick another style (or read
// past the list).
TEST(SwfShape, StyleIndexesBeyondTheTablesDrawNothing) {
  SwfWriter swf(8, Stage(100, 100), 24);
  ShapeBuilder shape;
  shape.AddFill(Solid(0xFF00FF00));
  shape.Styles(0, 1, 0).MoveTo(0, 0).LineTo(10, 10);
  shape.AddFill(Solid(0xFF0000FF));  // two fills: two-bit indexes, so 3 can be written
  shape.Styles(2, 3, 0).LineTo(20, 0);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, shape, 3));
  Movie movie = DecodeMovie(swf.Finish(false));
  const Shape& s = Get<Shape>(movie, 1);
  ASSERT_EQ(s.edges.size(), 2u);
  EXPECT_EQ(s.edges[1].fill0, 2);
  EXPECT_EQ(s.edges[1].fill1, 0) << "index 3 of a two-style table";
}

TEST(SwfMorph, PairsEdgesAndTurnsLinesIntoCurvesWhereTheOtherEndCurves) {
  ShapeBuilder start, end;
  start.AddFill(Solid(0xFFFF0000));
  end.AddFill(Solid(0xFF0000FF));
  start.Styles(0, 1, 0).MoveTo(0, 0).LineTo(200, 0).LineTo(200, 200).LineTo(0, 0);
  end.Styles(0, 1, 0)
      .MoveTo(100, 100)
      .LineTo(300, 100)
      .CurveTo(400, 200, 300, 300)
      .LineTo(100, 100);
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineMorphShape, DefineMorphShapeBody(4, start, end));
  Movie movie = DecodeMovie(swf.Finish(false));
  ASSERT_TRUE(movie.warnings.empty()) << movie.warnings[0];
  const MorphShape& m = Get<MorphShape>(movie, 4);
  ASSERT_EQ(m.start.edges.size(), 3u);
  ASSERT_EQ(m.end.edges.size(), 3u);
  EXPECT_EQ(m.start.fills[0].color, 0xFFFF0000);
  EXPECT_EQ(m.end.fills[0].color, 0xFF0000FF);
  EXPECT_EQ(m.end.edges[0].from, (TwipsPoint{{100}, {100}}));
  EXPECT_TRUE(m.start.edges[1].curve);
  EXPECT_TRUE(m.end.edges[1].curve);
  EXPECT_EQ(m.start.edges[1].control, (TwipsPoint{{200}, {100}})) << "midpoint of the line";
  EXPECT_EQ(m.end.edges[2].fill1, 1) << "end edges take the start's styles";
}

TEST(SwfMorph, OffsetBeyondTheTagIsSkippedWithAWarning) {
  ShapeBuilder s;
  s.AddFill(Solid(0xFFFF0000));
  s.Rect(0, 0, 10, 10, 1);
  Bytes body = DefineMorphShapeBody(4, s, s);
  // The U32 offset follows the id and two one-byte-aligned rects.
  BitWriter rects;
  rects.Rect(s.Bounds());
  size_t at = 2 + 2 * rects.Data().size();
  body[at + 3] = 0x7F;
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineMorphShape, body);
  swf.ShowFrame();
  Movie movie = DecodeMovie(swf.Finish(false));
  EXPECT_EQ(movie.Find(4), nullptr);
  ASSERT_EQ(movie.warnings.size(), 1u);
  EXPECT_EQ(movie.warnings[0], "tag 46: morph end-edge offset beyond the tag");
  EXPECT_EQ(movie.root.frames.size(), 1u);
}

TEST(SwfTags, BadTagsAreSkippedAndTheRestStillReads) {
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineShape3, {1, 0, 0x50});  // id, then a rect cut short
  swf.Tag(tag::kPlaceObject2, {0x02});        // flags only
  ShapeBuilder shape;
  shape.Rect(0, 0, 10, 10, shape.AddFill(Solid(0xFFFFFFFF)));
  swf.Tag(tag::kDefineShape, DefineShapeBody(2, shape, 1));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 2));
  swf.ShowFrame();
  Movie movie = DecodeMovie(swf.Finish(false));
  EXPECT_EQ(movie.Find(1), nullptr);
  EXPECT_NE(movie.Find(2), nullptr);
  ASSERT_EQ(movie.warnings.size(), 2u);
  EXPECT_EQ(movie.warnings[0], "tag 32: truncated data");
  EXPECT_EQ(movie.warnings[1], "tag 26: truncated data");
  ASSERT_EQ(movie.root.frames.size(), 1u);
  EXPECT_EQ(movie.root.frames[0].tags.size(), 1u);
}

TEST(SwfTags, LengthBeyondTheFileEndsTheMovieThere) {
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.ShowFrame();
  swf.Tag(tag::kDefineShape3, Bytes(100, 0));
  Bytes bytes = swf.Finish(false);
  bytes.resize(bytes.size() - 50);
  Movie movie = DecodeMovie(bytes);
  ASSERT_EQ(movie.warnings.size(), 1u);
  EXPECT_EQ(movie.warnings[0], "tag 32: length beyond the end of the movie");
  EXPECT_EQ(movie.root.frames.size(), 1u);
}

TEST(SwfTags, UnknownTagsAreSkippedByLength) {
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(777, Bytes(70, 0xFF));
  swf.Tag(tag::kFrameLabel, {'i', 'n', 't', 'r', 'o', 0});
  swf.ShowFrame();
  Movie movie = DecodeMovie(swf.Finish(false));
  EXPECT_TRUE(movie.warnings.empty());
  EXPECT_EQ(movie.root.FindLabel("INTRO"), 0u);
  EXPECT_EQ(movie.root.FindLabel("outro"), std::nullopt);
}

// PlaceObject3 with a filter list and clip actions: the fields after the
// filters (blend mode, cacheAsBitmap, visible) are read, and the clip
// actions at the end do not stop them.
TEST(SwfPlace, PlaceObject3ReadsPastFiltersAndClipActions) {
  Bytes body = {0x82, 0x27, 5, 0, 7, 0};  // clip actions, character; visible, cache, blend, filters
  const Bytes blur = {1, 0, 0, 4, 0, 0, 0, 2, 0, 0x18};  // 4 x 2 px, 3 passes
  const Bytes glow = {2, 0x11, 0x22, 0x33, 0x80, 0, 0, 6, 0, 0, 0, 6, 0, 0x00, 0x02, 0xA1};
  body.push_back(2);
  body.insert(body.end(), blur.begin(), blur.end());
  body.insert(body.end(), glow.begin(), glow.end());
  body.insert(body.end(), {3 /* multiply */, 1 /* cached */, 0 /* hidden */});
  body.insert(body.end(), {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // clip actions
  Reader in(body);
  PlaceObject p = ReadPlaceObject2(in, 3);
  EXPECT_EQ(p.character, 7);
  ASSERT_TRUE(p.filters);
  ASSERT_EQ(p.filters->size(), 2u);
  EXPECT_EQ((*p.filters)[0].kind, Filter::Kind::Blur);
  EXPECT_FLOAT_EQ((*p.filters)[0].blurX, 4);
  EXPECT_FLOAT_EQ((*p.filters)[0].blurY, 2);
  EXPECT_EQ((*p.filters)[0].passes, 3);
  EXPECT_EQ((*p.filters)[1].kind, Filter::Kind::Glow);
  EXPECT_EQ((*p.filters)[1].color, MakePixel(0x11, 0x22, 0x33, 0x80));
  EXPECT_FLOAT_EQ((*p.filters)[1].strength, 2);
  EXPECT_TRUE((*p.filters)[1].inner && (*p.filters)[1].compositeSource);
  EXPECT_EQ(p.blendMode, 3);
  EXPECT_EQ(p.cacheAsBitmap, true);
  EXPECT_EQ(p.visible, false);
}

TEST(SwfPlace, PlaceObject2FieldsRoundTrip) {
  PlaceObject p;
  p.depth = 9;
  p.move = true;
  p.character = 3;
  Matrix m;
  m.a = 2;
  m.d = -0.5f;
  m.b = 0.25f;
  m.tx = {-400};
  m.ty = {1234};
  p.matrix = m;
  ColorTransform cx;
  cx.mr = 0.5f;
  cx.aa = -128;
  p.colorTransform = cx;
  p.ratio = 32768;
  p.name = "clip";
  p.clipDepth = 12;
  Bytes body = PlaceObject2Body(p);
  Reader in(body);
  PlaceObject q = ReadPlaceObject2(in, 2);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(q.depth, 9);
  EXPECT_TRUE(q.move);
  EXPECT_EQ(q.character, 3);
  EXPECT_FLOAT_EQ(q.matrix->a, 2);
  EXPECT_FLOAT_EQ(q.matrix->d, -0.5f);
  EXPECT_FLOAT_EQ(q.matrix->b, 0.25f);
  EXPECT_EQ(q.matrix->tx, Twips{-400});
  EXPECT_EQ(q.matrix->ty, Twips{1234});
  EXPECT_FLOAT_EQ(q.colorTransform->mr, 0.5f);
  EXPECT_FLOAT_EQ(q.colorTransform->aa, -128);
  EXPECT_EQ(q.ratio, 32768);
  EXPECT_EQ(q.name, "clip");
  EXPECT_EQ(q.clipDepth, 12);
}

TEST(SwfSprite, HasItsOwnTimelineAndIgnoresDefinitionsInside) {
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  inner.ShowFrame();
  ShapeBuilder shape;
  shape.Rect(0, 0, 10, 10, shape.AddFill(Solid(0xFFFFFFFF)));
  inner.Tag(tag::kDefineShape, DefineShapeBody(50, shape, 1));
  inner.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  inner.ShowFrame();
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(5, inner));
  swf.ShowFrame();
  Movie movie = DecodeMovie(swf.Finish(false));
  const Timeline& sprite = Get<Timeline>(movie, 5);
  ASSERT_EQ(sprite.frames.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<PlaceObject>(sprite.frames[0].tags[0]));
  EXPECT_TRUE(std::holds_alternative<RemoveObject>(sprite.frames[1].tags[0]));
  EXPECT_EQ(movie.Find(50), nullptr);
}

TEST(SwfText, GlyphsAdvanceFromTheRecordOrigin) {
  // DefineFont2, one glyph (a square), no layout.
  ShapeBuilder glyph;
  glyph.Rect(0, -1024, 1024, 0, 1);
  Bytes outline = glyph.RecordsOnly();
  BitWriter font;
  font.U16(2);
  font.U8(0);
  font.U8(0);
  font.U8(1);
  font.U8('A');
  font.U16(1);
  font.U16(4);  // offset of the glyph: after two U16s
  font.U16(static_cast<uint16_t>(4 + outline.size()));
  font.Bytes(outline);
  BitWriter text;
  text.U16(3);
  text.Rect({{0}, {2000}, {0}, {400}});
  text.WriteMatrix({});
  text.U8(1);   // glyph bits
  text.U8(12);  // advance bits
  text.U8(0x80 | 0x08 | 0x04 | 0x01 | 0x02);
  text.U16(2);
  text.Rgba(0xFF00FF00);
  text.U16(100);
  text.U16(300);
  text.U16(200);
  text.U8(2);
  text.UB(0, 1);
  text.SB(250, 12);
  text.UB(0, 1);
  text.SB(250, 12);
  text.Align();
  text.U8(0);
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineFont2, font.Data());
  swf.Tag(tag::kDefineText2, text.Data());
  Movie movie = DecodeMovie(swf.Finish(false));
  ASSERT_TRUE(movie.warnings.empty()) << movie.warnings[0];
  const Font& f = Get<Font>(movie, 2);
  ASSERT_EQ(f.glyphs.size(), 1u);
  EXPECT_EQ(f.glyphs[0].edges.size(), 4u);
  const Text& t = Get<Text>(movie, 3);
  ASSERT_EQ(t.glyphs.size(), 2u);
  EXPECT_EQ(t.glyphs[0].x, Twips{100});
  EXPECT_EQ(t.glyphs[1].x, Twips{350});
  EXPECT_EQ(t.glyphs[1].y, Twips{300});
  EXPECT_EQ(t.glyphs[1].height, Twips{200});
  EXPECT_EQ(t.glyphs[1].color, 0xFF00FF00u);
}

TEST(SwfText, GlyphCountBeyondTheTagIsRefused) {
  BitWriter font;
  font.U16(2);
  font.U8(0x08);  // wide offsets
  font.U8(0);
  font.U8(0);
  font.U16(60000);
  font.U32(8);
  SwfWriter swf(8, Stage(100, 100), 24);
  swf.Tag(tag::kDefineFont2, font.Data());
  Movie movie = DecodeMovie(swf.Finish(false));
  ASSERT_EQ(movie.warnings.size(), 1u);
  EXPECT_EQ(movie.warnings[0], "tag 48: font glyph count beyond the tag");
}

}  // namespace
}  // namespace kestrova::swf

namespace kestrova::swf {
namespace {

// Found by fuzz_swf: glyph advances summed past the int range.
TEST(SwfText, PenAdvancesWrapInsteadOfOverflowing) {
  BitWriter text;
  text.U16(3);
  text.Rect({});
  text.WriteMatrix({});
  text.U8(1);
  text.U8(32);
  text.U8(0x80 | 0x01);
  text.U16(0x7FFF);
  text.U8(3);
  for (int i = 0; i < 3; ++i) {
    text.UB(0, 1);
    text.SB(0x7FFFFFFF, 32);
  }
  text.Align();
  text.U8(0);
  SwfWriter swf(8, Stage(10, 10), 12);
  swf.Tag(tag::kDefineText2, text.Data());
  Movie movie = DecodeMovie(swf.Finish(false));
  const Text& t = std::get<Text>(*movie.Find(3));
  ASSERT_EQ(t.glyphs.size(), 3u);
  EXPECT_EQ(t.glyphs[2].x, Twips{WrappingAdd(WrappingAdd(0x7FFF, 0x7FFFFFFF), 0x7FFFFFFF)});
}

}  // namespace
}  // namespace kestrova::swf
