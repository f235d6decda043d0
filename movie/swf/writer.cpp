#include "movie/swf/writer.h"

#include <algorithm>
#include <cmath>

#include "common/zlib_stream.h"
#include "movie/swf/swf_error.h"

namespace kestrova::swf {

void BitWriter::U8(uint8_t v) {
  Align();
  bytes_.push_back(v);
}
void BitWriter::U16(uint16_t v) {
  U8(uint8_t(v));
  U8(uint8_t(v >> 8));
}
void BitWriter::U32(uint32_t v) {
  U16(uint16_t(v));
  U16(uint16_t(v >> 16));
}
void BitWriter::Bytes(const std::vector<uint8_t>& bytes) {
  Align();
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}
void BitWriter::String(const std::string& text) {
  Align();
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
}
void BitWriter::UB(uint32_t value, int bits) {
  for (int i = bits - 1; i >= 0; --i) {
    bitBuffer_ = (bitBuffer_ << 1) | ((value >> i) & 1);
    if (++bitCount_ == 8) {
      bytes_.push_back(uint8_t(bitBuffer_));
      bitBuffer_ = 0;
      bitCount_ = 0;
    }
  }
}
void BitWriter::SB(int32_t value, int bits) { UB(static_cast<uint32_t>(value), bits); }
void BitWriter::Align() {
  if (bitCount_ > 0) UB(0, 8 - bitCount_);
}

int BitWriter::SignedBits(std::initializer_list<int32_t> values) {
  int bits = 1;
  for (int32_t v : values) {
    int need = 1;
    while (need < 32 && (v < -(int64_t(1) << (need - 1)) || v >= (int64_t(1) << (need - 1))))
      ++need;
    bits = std::max(bits, need);
  }
  return bits;
}
int BitWriter::UnsignedBits(uint32_t value) {
  int bits = 0;
  while (bits < 32 && (value >> bits) != 0) ++bits;
  return bits;
}

void BitWriter::Rect(TwipsRect r) {
  Align();
  int bits = SignedBits({r.xMin.value, r.xMax.value, r.yMin.value, r.yMax.value});
  UB(bits, 5);
  SB(r.xMin.value, bits);
  SB(r.xMax.value, bits);
  SB(r.yMin.value, bits);
  SB(r.yMax.value, bits);
  Align();
}

void BitWriter::WriteMatrix(const Matrix& m) {
  Align();
  auto fixed = [](float v) { return static_cast<int32_t>(std::lround(v * 65536.0f)); };
  bool scale = m.a != 1 || m.d != 1;
  UB(scale, 1);
  if (scale) {
    int bits = SignedBits({fixed(m.a), fixed(m.d)});
    UB(bits, 5);
    SB(fixed(m.a), bits);
    SB(fixed(m.d), bits);
  }
  bool rotate = m.b != 0 || m.c != 0;
  UB(rotate, 1);
  if (rotate) {
    int bits = SignedBits({fixed(m.b), fixed(m.c)});
    UB(bits, 5);
    SB(fixed(m.b), bits);
    SB(fixed(m.c), bits);
  }
  int bits = (m.tx.value == 0 && m.ty.value == 0) ? 0 : SignedBits({m.tx.value, m.ty.value});
  UB(bits, 5);
  SB(m.tx.value, bits);
  SB(m.ty.value, bits);
  Align();
}

void BitWriter::CxForm(const ColorTransform& cx, bool withAlpha) {
  Align();
  auto mul = [](float v) { return static_cast<int32_t>(std::lround(v * 256)); };
  auto add = [](float v) { return static_cast<int32_t>(std::lround(v)); };
  int32_t m[4] = {mul(cx.mr), mul(cx.mg), mul(cx.mb), mul(cx.ma)};
  int32_t a[4] = {add(cx.ar), add(cx.ag), add(cx.ab), add(cx.aa)};
  int bits = SignedBits({m[0], m[1], m[2], m[3], a[0], a[1], a[2], a[3]});
  UB(1, 1);
  UB(1, 1);
  UB(bits, 4);
  int n = withAlpha ? 4 : 3;
  for (int i = 0; i < n; ++i) SB(m[i], bits);
  for (int i = 0; i < n; ++i) SB(a[i], bits);
  Align();
}

void BitWriter::Rgb(Pixel p) {
  U8(PixelR(p));
  U8(PixelG(p));
  U8(PixelB(p));
}
void BitWriter::Rgba(Pixel p) {
  Rgb(p);
  U8(PixelA(p));
}

uint16_t ShapeBuilder::AddFill(const FillStyle& fill) {
  fills_.push_back(fill);
  return static_cast<uint16_t>(fills_.size());
}
uint16_t ShapeBuilder::AddLine(const LineStyle& line) {
  lines_.push_back(line);
  return static_cast<uint16_t>(lines_.size());
}
ShapeBuilder& ShapeBuilder::Styles(uint16_t fill0, uint16_t fill1, uint16_t line) {
  records_.push_back({Record::Kind::Style, fill0, fill1, line});
  return *this;
}
ShapeBuilder& ShapeBuilder::MoveTo(int32_t x, int32_t y) {
  records_.push_back({Record::Kind::Move, x, y});
  return *this;
}
ShapeBuilder& ShapeBuilder::LineTo(int32_t x, int32_t y) {
  records_.push_back({Record::Kind::Line, x, y});
  return *this;
}
ShapeBuilder& ShapeBuilder::CurveTo(int32_t cx, int32_t cy, int32_t x, int32_t y) {
  records_.push_back({Record::Kind::Curve, cx, cy, x, y});
  return *this;
}
ShapeBuilder& ShapeBuilder::Rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t fill,
                                 uint16_t line) {
  Styles(0, fill, line).MoveTo(x0, y0);
  return LineTo(x1, y0).LineTo(x1, y1).LineTo(x0, y1).LineTo(x0, y0);
}
ShapeBuilder& ShapeBuilder::Circle(int32_t cx, int32_t cy, int32_t r, uint16_t fill,
                                   uint16_t line) {
  // Eight arcs of 45 degrees; the control point lies at r / cos(22.5).
  const double kPi = 3.14159265358979323846;
  double rc = r / std::cos(kPi / 8);
  Styles(0, fill, line).MoveTo(cx + r, cy);
  for (int i = 1; i <= 8; ++i) {
    double mid = (i - 0.5) * kPi / 4, end = i * kPi / 4;
    CurveTo(cx + int32_t(std::lround(rc * std::cos(mid))),
            cy + int32_t(std::lround(rc * std::sin(mid))),
            cx + int32_t(std::lround(r * std::cos(end))),
            cy + int32_t(std::lround(r * std::sin(end))));
  }
  return *this;
}

TwipsRect ShapeBuilder::Bounds() const {
  int32_t x0 = INT32_MAX, y0 = INT32_MAX, x1 = INT32_MIN, y1 = INT32_MIN;
  auto add = [&](int32_t x, int32_t y) {
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
  };
  for (const Record& r : records_) {
    if (r.kind == Record::Kind::Style) continue;
    add(r.a, r.b);
    if (r.kind == Record::Kind::Curve) add(r.c, r.d);
  }
  if (x0 > x1) return {};
  return {{x0}, {x1}, {y0}, {y1}};
}

void ShapeBuilder::WriteRecords(BitWriter& out) const {
  int fillBits = BitWriter::UnsignedBits(static_cast<uint32_t>(fills_.size()));
  int lineBits = BitWriter::UnsignedBits(static_cast<uint32_t>(lines_.size()));
  out.UB(fillBits, 4);
  out.UB(lineBits, 4);
  int32_t x = 0, y = 0;
  for (size_t i = 0; i < records_.size(); ++i) {
    const Record& r = records_[i];
    switch (r.kind) {
      case Record::Kind::Style:
      case Record::Kind::Move: {
        // A style record followed by a move becomes one record.
        const Record* style = r.kind == Record::Kind::Style ? &r : nullptr;
        const Record* move = r.kind == Record::Kind::Move ? &r : nullptr;
        if (style && i + 1 < records_.size() && records_[i + 1].kind == Record::Kind::Move)
          move = &records_[++i];
        out.UB(0, 1);
        out.UB(0, 1);  // no new styles
        out.UB(style != nullptr, 1);
        out.UB(style != nullptr, 1);
        out.UB(style != nullptr, 1);
        out.UB(move != nullptr, 1);
        if (move) {
          int bits = BitWriter::SignedBits({move->a, move->b});
          out.UB(bits, 5);
          out.SB(move->a, bits);
          out.SB(move->b, bits);
          x = move->a;
          y = move->b;
        }
        if (style) {
          out.UB(style->a, fillBits);
          out.UB(style->b, fillBits);
          out.UB(style->c, lineBits);
        }
        break;
      }
      case Record::Kind::Line: {
        int32_t dx = r.a - x, dy = r.b - y;
        int bits = std::max(2, BitWriter::SignedBits({dx, dy}));
        out.UB(1, 1);
        out.UB(1, 1);
        out.UB(bits - 2, 4);
        out.UB(1, 1);  // general line
        out.SB(dx, bits);
        out.SB(dy, bits);
        x = r.a;
        y = r.b;
        break;
      }
      case Record::Kind::Curve: {
        int32_t cdx = r.a - x, cdy = r.b - y, adx = r.c - r.a, ady = r.d - r.b;
        int bits = std::max(2, BitWriter::SignedBits({cdx, cdy, adx, ady}));
        out.UB(1, 1);
        out.UB(0, 1);
        out.UB(bits - 2, 4);
        out.SB(cdx, bits);
        out.SB(cdy, bits);
        out.SB(adx, bits);
        out.SB(ady, bits);
        x = r.c;
        y = r.d;
        break;
      }
    }
  }
  out.UB(0, 6);  // end of shape
  out.Align();
}

void WriteFillStyle(BitWriter& out, const FillStyle& fill, int version) {
  auto color = [&](Pixel p) { version >= 3 ? out.Rgba(p) : out.Rgb(p); };
  switch (fill.kind) {
    case FillKind::Solid:
      out.U8(0x00);
      color(fill.color);
      return;
    case FillKind::Bitmap:
      out.U8(static_cast<uint8_t>(0x40 | (fill.repeat ? 0 : 1) | (fill.smooth ? 0 : 2)));
      out.U16(fill.bitmapId);
      out.WriteMatrix(fill.matrix);
      return;
    default:
      break;
  }
  out.U8(fill.kind == FillKind::LinearGradient   ? 0x10
         : fill.kind == FillKind::RadialGradient ? 0x12
                                                 : 0x13);
  out.WriteMatrix(fill.matrix);
  out.UB(static_cast<uint32_t>(fill.spread), 2);
  out.UB(static_cast<uint32_t>(fill.interpolation), 2);
  out.UB(static_cast<uint32_t>(fill.stops.size()), 4);
  for (const GradientStop& s : fill.stops) {
    out.U8(s.ratio);
    color(s.color);
  }
  if (fill.kind == FillKind::FocalGradient)
    out.U16(uint16_t(int16_t(std::lround(fill.focal * 256))));
}

std::vector<uint8_t> ShapeBuilder::WithStyles(int version) const {
  BitWriter out;
  out.U8(static_cast<uint8_t>(fills_.size()));
  for (const FillStyle& f : fills_) WriteFillStyle(out, f, version);
  out.U8(static_cast<uint8_t>(lines_.size()));
  for (const LineStyle& l : lines_) {
    out.U16(static_cast<uint16_t>(l.width.value));
    version >= 3 ? out.Rgba(l.color) : out.Rgb(l.color);
  }
  WriteRecords(out);
  return out.Data();
}

std::vector<uint8_t> ShapeBuilder::RecordsOnly() const {
  BitWriter out;
  WriteRecords(out);
  return out.Data();
}

std::vector<uint8_t> DefineShapeBody(uint16_t id, const ShapeBuilder& shape, int version) {
  BitWriter out;
  out.U16(id);
  out.Rect(shape.Bounds());
  out.Bytes(shape.WithStyles(version));
  return out.Data();
}

std::vector<uint8_t> DefineMorphShapeBody(uint16_t id, const ShapeBuilder& start,
                                          const ShapeBuilder& end) {
  BitWriter styles;
  styles.U8(static_cast<uint8_t>(start.Fills().size()));
  for (size_t i = 0; i < start.Fills().size(); ++i) {
    const FillStyle& s = start.Fills()[i];
    const FillStyle& e = end.Fills()[i];
    if (s.kind == FillKind::Solid) {
      styles.U8(0x00);
      styles.Rgba(s.color);
      styles.Rgba(e.color);
    } else {
      styles.U8(s.kind == FillKind::LinearGradient ? 0x10 : 0x12);
      styles.WriteMatrix(s.matrix);
      styles.WriteMatrix(e.matrix);
      styles.U8(static_cast<uint8_t>(s.stops.size()));
      for (size_t k = 0; k < s.stops.size(); ++k) {
        styles.U8(s.stops[k].ratio);
        styles.Rgba(s.stops[k].color);
        styles.U8(e.stops[k].ratio);
        styles.Rgba(e.stops[k].color);
      }
    }
  }
  styles.U8(static_cast<uint8_t>(start.Lines().size()));
  for (size_t i = 0; i < start.Lines().size(); ++i) {
    styles.U16(static_cast<uint16_t>(start.Lines()[i].width.value));
    styles.U16(static_cast<uint16_t>(end.Lines()[i].width.value));
    styles.Rgba(start.Lines()[i].color);
    styles.Rgba(end.Lines()[i].color);
  }
  styles.Bytes(start.RecordsOnly());

  BitWriter out;
  out.U16(id);
  out.Rect(start.Bounds());
  out.Rect(end.Bounds());
  out.U32(static_cast<uint32_t>(styles.Data().size()));
  out.Bytes(styles.Data());
  out.Bytes(end.RecordsOnly());
  return out.Data();
}

std::vector<uint8_t> PlaceObject2Body(const PlaceObject& p) {
  BitWriter out;
  uint8_t flags = (p.move ? 0x01 : 0) | (p.character ? 0x02 : 0) | (p.matrix ? 0x04 : 0) |
                  (p.colorTransform ? 0x08 : 0) | (p.ratio ? 0x10 : 0) | (p.name ? 0x20 : 0) |
                  (p.clipDepth ? 0x40 : 0) | (p.clipActions.empty() ? 0 : 0x80);
  out.U8(flags);
  out.U16(p.depth);
  if (p.character) out.U16(*p.character);
  if (p.matrix) out.WriteMatrix(*p.matrix);
  if (p.colorTransform) out.CxForm(*p.colorTransform, true);
  if (p.ratio) out.U16(*p.ratio);
  if (p.name) out.String(*p.name);
  if (p.clipDepth) out.U16(*p.clipDepth);
  if (!p.clipActions.empty()) {
    uint32_t all = 0;
    for (const ClipAction& action : p.clipActions) all |= action.events;
    out.U16(0);
    out.U32(all);
    for (const ClipAction& action : p.clipActions) {
      out.U32(action.events);
      const bool key = action.events & 0x20000;
      out.U32(static_cast<uint32_t>(action.code.size() + 1 + (key ? 1 : 0)));
      if (key) out.U8(action.keyCode);
      out.Bytes(action.code);
      out.U8(0);
    }
    out.U32(0);
  }
  return out.Data();
}

namespace {

void WriteButtonRecord(BitWriter& out, const ButtonRecord& r, int version) {
  const bool blend = version == 2 && r.blendMode;
  out.U8(static_cast<uint8_t>((r.states & 0x0F) | (blend ? 0x20 : 0)));
  out.U16(r.character);
  out.U16(r.depth);
  out.WriteMatrix(r.matrix);
  if (version == 2) out.CxForm(r.colorTransform.value_or(ColorTransform{}), true);
  if (blend) out.U8(*r.blendMode);
}

}  // namespace

std::vector<uint8_t> DefineButtonBody(uint16_t id, const std::vector<ButtonRecord>& records,
                                      const std::vector<uint8_t>& releaseCode) {
  BitWriter out;
  out.U16(id);
  for (const ButtonRecord& r : records) WriteButtonRecord(out, r, 1);
  out.U8(0);
  out.Bytes(releaseCode);
  out.U8(0);
  return out.Data();
}

std::vector<uint8_t> DefineButton2Body(uint16_t id, const std::vector<ButtonRecord>& records,
                                       const std::vector<ButtonAction>& actions, bool trackAsMenu) {
  BitWriter recordBytes;
  for (const ButtonRecord& r : records) WriteButtonRecord(recordBytes, r, 2);
  recordBytes.U8(0);
  const std::vector<uint8_t>& list = recordBytes.Data();
  BitWriter out;
  out.U16(id);
  out.U8(trackAsMenu ? 1 : 0);
  out.U16(actions.empty() ? 0 : static_cast<uint16_t>(list.size() + 2));
  out.Bytes(list);
  for (size_t i = 0; i < actions.size(); ++i) {
    const ButtonAction& a = actions[i];
    const bool last = i + 1 == actions.size();
    out.U16(last ? 0 : static_cast<uint16_t>(a.code.size() + 5));
    out.U8(static_cast<uint8_t>(a.conditions & 0xFF));
    out.U8(static_cast<uint8_t>(a.keyCode << 1 | (a.conditions >> 8 & 1)));
    out.Bytes(a.code);
    out.U8(0);
  }
  return out.Data();
}

std::vector<uint8_t> RemoveObject2Body(uint16_t depth) {
  BitWriter out;
  out.U16(depth);
  return out.Data();
}

std::vector<uint8_t> DefineBitsLossless2Body(uint16_t id, const PixelBuffer& pixels) {
  std::vector<uint8_t> raw;
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x) {
      Pixel p = pixels.At(x, y);
      raw.insert(raw.end(), {PixelA(p), PixelR(p), PixelG(p), PixelB(p)});
    }
  std::vector<uint8_t> packed = ZlibStore(raw);
  BitWriter out;
  out.U16(id);
  out.U8(5);
  out.U16(static_cast<uint16_t>(pixels.Width()));
  out.U16(static_cast<uint16_t>(pixels.Height()));
  out.Bytes(packed);
  return out.Data();
}

std::vector<uint8_t> DoActionBody(const std::vector<uint8_t>& code) {
  std::vector<uint8_t> body = code;
  body.push_back(0);
  return body;
}

void TagStream::Tag(uint16_t code, const std::vector<uint8_t>& body) {
  BitWriter out;
  // Bodies of 63 bytes and more need the long form of the tag header.
  if (body.size() >= 0x3F) {
    out.U16(static_cast<uint16_t>((code << 6) | 0x3F));
    out.U32(static_cast<uint32_t>(body.size()));
  } else {
    out.U16(static_cast<uint16_t>((code << 6) | body.size()));
  }
  out.Bytes(body);
  bytes_.insert(bytes_.end(), out.Data().begin(), out.Data().end());
  if (code == tag::kShowFrame) ++frames_;
}

std::vector<uint8_t> DefineSpriteBody(uint16_t id, const TagStream& tags) {
  BitWriter out;
  out.U16(id);
  out.U16(tags.Frames());
  out.Bytes(tags.Bytes());
  out.U16(0);
  return out.Data();
}

SwfWriter::SwfWriter(uint8_t version, TwipsRect stage, float frameRate)
    : version_(version), stage_(stage), frameRate_(frameRate) {}

std::vector<uint8_t> SwfWriter::Finish(bool compressed) const {
  BitWriter body;
  body.Rect(stage_);
  body.U16(static_cast<uint16_t>(std::lround(frameRate_ * 256)));
  body.U16(Frames());
  body.Bytes(Bytes());
  body.U16(0);
  std::vector<uint8_t> data = body.Data();

  BitWriter out;
  out.Bytes({uint8_t(compressed ? 'C' : 'F'), 'W', 'S', version_});
  out.U32(static_cast<uint32_t>(data.size() + 8));
  if (compressed) data = ZlibStore(data);
  out.Bytes(data);
  return out.Data();
}

}  // namespace kestrova::swf
