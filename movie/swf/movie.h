// The decoded movie: header facts, the character dictionary and the root
// timeline. Produced by DecodeMovie (decoder.h); read by the player.
//
// Coordinates are twips; style indexes inside edges are 1-based into the
// shape's own style lists (0: none), already offset for new-style groups.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/pixels.h"
#include "movie/swf/filter.h"
#include "movie/swf/twips.h"

namespace kestrova::swf {

// x' = a*x + c*y + tx, y' = b*x + d*y + ty.
struct Matrix {
  float a = 1, b = 0, c = 0, d = 1;
  Twips tx, ty;
};

// c' = c * m + a per channel, add terms in 0..255 units.
struct ColorTransform {
  float mr = 1, mg = 1, mb = 1, ma = 1;
  float ar = 0, ag = 0, ab = 0, aa = 0;
};

enum class FillKind : uint8_t { Solid, LinearGradient, RadialGradient, FocalGradient, Bitmap };
enum class SpreadMode : uint8_t { Pad, Reflect, Repeat };
enum class InterpolationMode : uint8_t { Normal, Linear };

struct GradientStop {
  uint8_t ratio = 0;
  Pixel color = 0;  // straight 0xAARRGGBB
};

struct FillStyle {
  FillKind kind = FillKind::Solid;
  Pixel color = 0xFF000000;  // Solid
  Matrix matrix;             // gradient square or bitmap pixels -> shape twips
  std::vector<GradientStop> stops;
  SpreadMode spread = SpreadMode::Pad;
  InterpolationMode interpolation = InterpolationMode::Normal;
  float focal = 0;
  uint16_t bitmapId = 0;
  bool repeat = true;  // bitmap: repeating, else clipped
  bool smooth = true;  // bitmap: smoothed
};

enum class CapStyle : uint8_t { Round, None, Square };
enum class JoinStyle : uint8_t { Round, Bevel, Miter };

struct LineStyle {
  Twips width;
  Pixel color = 0xFF000000;
  CapStyle startCap = CapStyle::Round;
  CapStyle endCap = CapStyle::Round;
  JoinStyle join = JoinStyle::Round;
  float miterLimit = 3;
  bool noClose = false;
  bool hasFill = false;  // LINESTYLE2 fill-in-line: `fill` paints the line
  FillStyle fill;
};

// One edge; straight edges keep their midpoint as control so that morphs
// can pair a straight edge with a curved one.
struct Edge {
  TwipsPoint from, control, to;
  bool curve = false;
  uint16_t fill0 = 0, fill1 = 0, line = 0;
  uint16_t group = 0;  // new-style group: fills then lines are drawn per group
};

struct Shape {
  TwipsRect bounds;
  std::vector<FillStyle> fills;
  std::vector<LineStyle> lines;
  std::vector<Edge> edges;
  bool nonZero = false;  // DefineShape4's fill winding flag
};

// Start and end shapes share style indexes and edge order; edges[i] of
// `start` morphs into edges[i] of `end`, fills[i] into fills[i].
struct MorphShape {
  Shape start, end;
};

struct Bitmap {
  std::shared_ptr<const PixelBuffer> pixels;  // premultiplied
};

struct Font {
  std::vector<Shape> glyphs;  // EM square 1024 units (20480 for DefineFont3)
  float unitsPerEm = 1024;
  // DefineFont2/3: the character of each glyph and, with the layout flag,
  // metrics in EM units.
  std::string name;
  bool bold = false, italic = false;
  std::vector<uint16_t> codes;
  bool hasLayout = false;
  float ascent = 0, descent = 0, leading = 0;
  std::vector<float> advances;
};

struct TextGlyph {
  uint16_t fontId = 0;
  uint16_t index = 0;
  Pixel color = 0xFF000000;
  Twips x, y, height;
};

struct Text {
  TwipsRect bounds;
  Matrix matrix;
  std::vector<TextGlyph> glyphs;
};

enum class TextAlign : uint8_t { Left, Right, Center, Justify };

// DefineEditText: a text field's box, its starting text and format.
struct EditText {
  TwipsRect bounds;
  bool wordWrap = false, multiline = false, password = false, readOnly = false;
  bool autoSize = false, noSelect = false, border = false, html = false, useOutlines = false;
  std::optional<uint16_t> fontId;
  std::string fontClass;
  Twips height{240};  // font size
  std::optional<Pixel> color;
  std::optional<uint16_t> maxLength;
  TextAlign align = TextAlign::Left;
  Twips leftMargin, rightMargin, indent, leading;
  std::string variable;
  std::string text;
};

// A PlaceObject2 clip event handler: `events` holds the event bits as the
// 32-bit flags of SWF 6 (SWF 5's 16 bits are the low half).
struct ClipAction {
  uint32_t events = 0;
  uint8_t keyCode = 0;
  std::vector<uint8_t> code;
};

struct PlaceObject {
  uint16_t depth = 0;
  bool move = false;  // modify or replace what the depth holds
  std::optional<uint16_t> character;
  std::optional<Matrix> matrix;
  std::optional<ColorTransform> colorTransform;
  std::optional<uint16_t> ratio;
  std::optional<uint16_t> clipDepth;
  std::optional<std::string> name;
  std::optional<bool> visible;
  std::optional<uint8_t> blendMode;
  std::vector<ClipAction> clipActions;
  std::optional<std::vector<Filter>> filters;
  std::optional<bool> cacheAsBitmap;
};

struct RemoveObject {
  uint16_t depth = 0;
};

using DisplayTag = std::variant<PlaceObject, RemoveObject>;

// The timeline actions the player runs; everything else in DoAction is
// ignored. `target` is a tellTarget path ("" for the timeline itself).
struct Action {
  enum class Kind : uint8_t { Play, Stop, NextFrame, PrevFrame, GotoFrame, GotoLabel };
  Kind kind = Kind::Play;
  uint32_t frame = 0;  // GotoFrame, 0-based
  std::string label;   // GotoLabel
  bool andPlay = false;
  bool andStop = false;
  std::string target;
};

// DoInitAction: byte code run once, before the first frame that places
// the sprite it names.
struct InitAction {
  uint16_t spriteId = 0;
  std::vector<uint8_t> code;
};

struct Frame {
  std::vector<DisplayTag> tags;
  std::vector<Action> actions;
  std::vector<std::vector<uint8_t>> scripts;  // DoAction byte code, for the interpreter
  std::vector<InitAction> initScripts;
  std::string label;
};

struct Timeline {
  std::vector<Frame> frames;  // at least one
  bool loops = true;          // false: playing stops at the last frame
  std::optional<uint32_t> FindLabel(const std::string& label) const;
};

// The mouse transitions of a button, as DefineButton2's condition bits
// (the first byte's eight bits, then the second byte's lowest one).
enum ButtonCondition : uint16_t {
  kIdleToOverUp = 0x001,
  kOverUpToIdle = 0x002,
  kOverUpToOverDown = 0x004,
  kOverDownToOverUp = 0x008,
  kOverDownToOutDown = 0x010,
  kOutDownToOverDown = 0x020,
  kOutDownToIdle = 0x040,
  kIdleToOverDown = 0x080,
  kOverDownToIdle = 0x100,
};

// One of a button's action lists: the transitions it answers (any one of
// them runs it), or a key press (a key code of 1..127, 0 for none).
struct ButtonAction {
  uint16_t conditions = 0;
  uint8_t keyCode = 0;
  std::vector<uint8_t> code;    // AVM1 byte code
  std::vector<Action> actions;  // the timeline actions it reduces to
};

// A button's states, each a one-frame timeline of the records it shows;
// `hit` holds the shapes that answer the mouse. DefineButton's one action
// list is a release (OverDownToOverUp).
struct Button {
  Timeline up, over, down, hit;
  std::vector<ButtonAction> actions;
  bool trackAsMenu = false;
};

using Character = std::variant<Shape, MorphShape, Bitmap, Font, Text, Timeline, Button, EditText>;

struct Header {
  uint8_t version = 0;
  bool compressed = false;
  uint32_t fileLength = 0;  // uncompressed, as stated
  TwipsRect stage;
  float frameRate = 0;  // frames per second (0: as fast as possible)
  uint16_t frameCount = 0;
};

struct Movie {
  Header header;
  std::optional<Pixel> background;
  std::map<uint16_t, Character> dictionary;
  Timeline root;
  std::map<std::string, uint16_t> exports;  // ExportAssets: linkage name -> character
  // DefineScalingGrid: a sprite's nine-region grid, in its own twips.
  std::map<uint16_t, TwipsRect> scalingGrids;
  std::vector<std::string> warnings;  // tags skipped, with why

  const Character* Find(uint16_t id) const {
    auto it = dictionary.find(id);
    return it == dictionary.end() ? nullptr : &it->second;
  }
};

}  // namespace kestrova::swf
