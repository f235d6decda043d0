// SwfWriter: builds small SWF movies in code, for kestrova-mkswf and for
// the tests. Writes what the decoder reads; no attempt at covering every
// tag option.
//
//   SwfWriter swf(8, {{0}, {Twips::FromPixels(200)}, {0}, {Twips::FromPixels(100)}}, 24);
//   ShapeBuilder shape;
//   shape.Fill(FillStyle{...}).Rect({200}, {200}, {1000}, {600});
//   swf.Tag(tag::kDefineShape3, DefineShapeBody(1, shape, 3));
//   swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
//   swf.ShowFrame();
//   std::vector<uint8_t> bytes = swf.Finish(/*compress=*/true);
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "movie/swf/movie.h"
#include "movie/swf/tag_codes.h"

namespace kestrova::swf {

class BitWriter {
 public:
  void U8(uint8_t v);
  void U16(uint16_t v);
  void U32(uint32_t v);
  void Bytes(const std::vector<uint8_t>& bytes);
  void String(const std::string& text);
  void UB(uint32_t value, int bits);
  void SB(int32_t value, int bits);
  void Align();
  void Rect(TwipsRect r);
  void WriteMatrix(const Matrix& m);
  void CxForm(const ColorTransform& cx, bool withAlpha);
  void Rgb(Pixel p);
  void Rgba(Pixel p);
  const std::vector<uint8_t>& Data() {
    Align();
    return bytes_;
  }
  // Bits a signed field needs to hold every value given.
  static int SignedBits(std::initializer_list<int32_t> values);
  static int UnsignedBits(uint32_t value);

 private:
  std::vector<uint8_t> bytes_;
  uint32_t bitBuffer_ = 0;
  int bitCount_ = 0;
};

// Style-change and edge records over one set of styles, in twips.
class ShapeBuilder {
 public:
  uint16_t AddFill(const FillStyle& fill);  // 1-based index
  uint16_t AddLine(const LineStyle& line);
  ShapeBuilder& Styles(uint16_t fill0, uint16_t fill1, uint16_t line);
  ShapeBuilder& MoveTo(int32_t x, int32_t y);
  ShapeBuilder& LineTo(int32_t x, int32_t y);
  ShapeBuilder& CurveTo(int32_t cx, int32_t cy, int32_t x, int32_t y);
  // A closed rectangle (clockwise on screen) with fill1 = `fill`.
  ShapeBuilder& Rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t fill,
                     uint16_t line = 0);
  // A closed circle of eight quadratic arcs with fill1 = `fill`.
  ShapeBuilder& Circle(int32_t cx, int32_t cy, int32_t r, uint16_t fill, uint16_t line = 0);

  // SHAPEWITHSTYLE for DefineShape `version`.
  std::vector<uint8_t> WithStyles(int version) const;
  // Bare SHAPE (for glyphs and morph edges).
  std::vector<uint8_t> RecordsOnly() const;
  TwipsRect Bounds() const;
  const std::vector<FillStyle>& Fills() const { return fills_; }
  const std::vector<LineStyle>& Lines() const { return lines_; }

 private:
  struct Record {
    enum class Kind { Style, Move, Line, Curve } kind;
    int32_t a = 0, b = 0, c = 0, d = 0;  // styles: fill0, fill1, line
  };
  void WriteRecords(BitWriter& out) const;

  std::vector<FillStyle> fills_;
  std::vector<LineStyle> lines_;
  std::vector<Record> records_;
};

void WriteFillStyle(BitWriter& out, const FillStyle& fill, int version);

std::vector<uint8_t> DefineShapeBody(uint16_t id, const ShapeBuilder& shape, int version);
// Start and end must hold the same records (only coordinates differ) and
// the same styles (colours and matrices may differ).
std::vector<uint8_t> DefineMorphShapeBody(uint16_t id, const ShapeBuilder& start,
                                          const ShapeBuilder& end);
// Clip actions are written in the SWF 6 layout (32-bit event flags).
std::vector<uint8_t> PlaceObject2Body(const PlaceObject& place);
// One button record: the states it shows (1 up, 2 over, 4 down, 8 hit).
struct ButtonRecord {
  uint8_t states = 0;
  uint16_t character = 0;
  uint16_t depth = 1;
  Matrix matrix;
  std::optional<ColorTransform> colorTransform;  // DefineButton2 only
  std::optional<uint8_t> blendMode;              // DefineButton2 only
};
// DefineButton: the records and the actions run on release.
std::vector<uint8_t> DefineButtonBody(uint16_t id, const std::vector<ButtonRecord>& records,
                                      const std::vector<uint8_t>& releaseCode);
// DefineButton2 with condition actions (their `actions` are not written).
std::vector<uint8_t> DefineButton2Body(uint16_t id, const std::vector<ButtonRecord>& records,
                                       const std::vector<ButtonAction>& actions,
                                       bool trackAsMenu = false);
std::vector<uint8_t> RemoveObject2Body(uint16_t depth);
// 32-bit premultiplied pixels in a stored zlib stream (DefineBitsLossless2).
std::vector<uint8_t> DefineBitsLossless2Body(uint16_t id, const PixelBuffer& pixels);
std::vector<uint8_t> DoActionBody(const std::vector<uint8_t>& code);  // appends End

// One tag stream (the root's or a sprite's).
class TagStream {
 public:
  void Tag(uint16_t code, const std::vector<uint8_t>& body);
  void ShowFrame() { Tag(tag::kShowFrame, {}); }
  uint16_t Frames() const { return frames_; }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  uint16_t frames_ = 0;
};

std::vector<uint8_t> DefineSpriteBody(uint16_t id, const TagStream& tags);  // appends End

class SwfWriter : public TagStream {
 public:
  SwfWriter(uint8_t version, TwipsRect stage, float frameRate);
  // The whole file, CWS (a stored zlib stream) if `compress`; appends End.
  std::vector<uint8_t> Finish(bool compress) const;

 private:
  uint8_t version_;
  TwipsRect stage_;
  float frameRate_;
};

}  // namespace kestrova::swf
