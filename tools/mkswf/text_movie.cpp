#include "tools/mkswf/text_movie.h"

#include "movie/swf/text_writer.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

constexpr int kPx = kTwipsPerPixel;

// Seven segments a..g (top, top right, bottom right, bottom, bottom left,
// top left, middle) as bits, for the digits 0-9.
constexpr uint8_t kSegments[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// One digit in an EM of 20480, standing on the baseline: 10240 wide,
// 16384 high, segments 2048 thick.
FontGlyph Digit(char16_t code, uint8_t segments) {
  FontGlyph g;
  g.code = code;
  g.advance = 12800;
  uint16_t fill = g.outline.AddFill(FillStyle{});
  const int32_t w = 10240, h = 16384, t = 2048, mid = -h / 2;
  struct Bar {
    int32_t x0, y0, x1, y1;
  };
  const Bar bars[] = {{t, -h, w - t, -h + t},
                      {w - t, -h + t, w, mid},
                      {w - t, mid, w, -t},
                      {t, -t, w - t, 0},
                      {0, mid, t, -t},
                      {0, -h + t, t, mid},
                      {t, mid - t / 2, w - t, mid + t / 2}};
  for (int i = 0; i < 7; ++i)
    if (segments & (1 << i)) g.outline.Rect(bars[i].x0, bars[i].y0, bars[i].x1, bars[i].y1, fill);
  return g;
}

std::vector<FontGlyph> SegmentFont() {
  std::vector<FontGlyph> glyphs;
  for (int d = 0; d < 10; ++d)
    glyphs.push_back(Digit(static_cast<char16_t>(u'0' + d), kSegments[d]));
  FontGlyph colon;
  colon.code = u':';
  colon.advance = 6144;
  uint16_t fill = colon.outline.AddFill(FillStyle{});
  colon.outline.Rect(2048, -12288, 4096, -10240, fill).Rect(2048, -6144, 4096, -4096, fill);
  glyphs.push_back(colon);
  return glyphs;
}

// Device text: font 2 is "_sans" without glyphs.
EditText Field(int x0, int y0, int x1, int y1, const char* text, int sizePx, Pixel color) {
  EditText e;
  e.fontId = 2;
  e.bounds = {{x0 * kPx}, {x1 * kPx}, {y0 * kPx}, {y1 * kPx}};
  e.text = text;
  e.height = {sizePx * kPx};
  e.color = color;
  e.readOnly = true;
  e.noSelect = true;
  return e;
}

void Place(SwfWriter& swf, uint16_t id, uint16_t depth, const EditText& e) {
  swf.Tag(tag::kDefineEditText, DefineEditTextBody(id, e));
  PlaceObject place;
  place.depth = depth;
  place.character = id;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
}

}  // namespace

std::vector<uint8_t> TextMovie(bool compress) {
  SwfWriter swf(8, {{0}, Twips::FromPixels(kStageWidth), {0}, Twips::FromPixels(kStageHeight)}, 12);
  swf.Tag(tag::kSetBackgroundColor, {0xE8, 0xEE, 0xF6});
  swf.Tag(tag::kDefineFont3, DefineFont3Body(1, "Segments", SegmentFont(), 17408, 3072));
  swf.Tag(tag::kDefineFont3, DefineFont3Body(2, "_sans", {}, 0, 0));

  EditText title = Field(10, 8, 383, 40, "Kestrova Screensaver", 20, 0xFF1F3F7F);
  title.align = TextAlign::Center;
  title.border = true;
  Place(swf, 10, 1, title);

  EditText body = Field(10, 50, 250, 160,
                        "Text fields are drawn by the player's own rasterizer: device text, "
                        "embedded glyphs, alignment and word wrap.",
                        12, 0xFF202020);
  body.wordWrap = body.multiline = true;
  body.leading = {2 * kPx};
  Place(swf, 11, 2, body);

  EditText clock = Field(258, 50, 383, 110, "12:34", 40, 0xFFC02020);
  clock.fontId = 1;
  clock.useOutlines = true;
  clock.align = TextAlign::Right;
  Place(swf, 12, 3, clock);

  EditText right = Field(258, 114, 383, 134, "right aligned", 12, 0xFF206020);
  right.align = TextAlign::Right;
  Place(swf, 13, 4, right);

  EditText centre = Field(258, 136, 383, 160, "centred, 16 px", 16, 0xFF602080);
  centre.align = TextAlign::Center;
  Place(swf, 14, 5, centre);
  swf.ShowFrame();
  return swf.Finish(compress);
}

}  // namespace kestrova::mkswf
