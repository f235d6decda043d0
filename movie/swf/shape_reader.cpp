#include "movie/swf/shape_reader.h"

#include <functional>

#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {

// GRADIENT / FOCALGRADIENT: UB2 spread, UB2 interpolation, UB4 count, then
// count x (U8 ratio, RGB or RGBA); focal adds FIXED8 focal point.
void ReadGradient(Reader& in, bool rgba, bool focal, FillStyle& fill) {
  fill.spread = static_cast<SpreadMode>(std::min<uint32_t>(in.UB(2), 2));
  fill.interpolation = in.UB(2) == 1 ? InterpolationMode::Linear : InterpolationMode::Normal;
  uint32_t count = in.UB(4);
  for (uint32_t i = 0; i < count; ++i) {
    GradientStop stop;
    stop.ratio = in.U8();
    stop.color = rgba ? in.Rgba() : in.Rgb();
    fill.stops.push_back(stop);
  }
  if (focal) fill.focal = in.Fixed8();
}

// FILLSTYLE: U8 type; 0x00 solid colour; 0x10 linear, 0x12 radial, 0x13
// focal gradient (MATRIX + gradient); 0x40..0x43 bitmap (U16 id + MATRIX):
// bit 0 set = clipped, bit 1 set = not smoothed.
FillStyle ReadFillStyle(Reader& in, int version) {
  FillStyle fill;
  uint8_t type = in.U8();
  bool rgba = version >= 3;
  if (type == 0x00) {
    fill.color = rgba ? in.Rgba() : in.Rgb();
  } else if (type == 0x10 || type == 0x12 || type == 0x13) {
    fill.kind = type == 0x10   ? FillKind::LinearGradient
                : type == 0x12 ? FillKind::RadialGradient
                               : FillKind::FocalGradient;
    fill.matrix = in.ReadMatrix();
    ReadGradient(in, rgba, type == 0x13, fill);
  } else if (type >= 0x40 && type <= 0x43) {
    fill.kind = FillKind::Bitmap;
    fill.bitmapId = in.U16();
    fill.matrix = in.ReadMatrix();
    fill.repeat = (type & 1) == 0;
    fill.smooth = (type & 2) == 0;
  } else {
    throw SwfError("unknown fill style type " + std::to_string(type));
  }
  return fill;
}

// U8 count; 0xFF means a U16 count follows (DefineShape2 and later).
uint32_t ReadStyleCount(Reader& in, bool extended) {
  uint32_t count = in.U8();
  if (count == 0xFF && extended) count = in.U16();
  return count;
}

std::vector<FillStyle> ReadFillStyles(Reader& in, int version) {
  std::vector<FillStyle> fills;
  uint32_t count = ReadStyleCount(in, version >= 2);
  for (uint32_t i = 0; i < count; ++i) fills.push_back(ReadFillStyle(in, version));
  return fills;
}

CapStyle ToCap(uint32_t bits) { return bits <= 2 ? static_cast<CapStyle>(bits) : CapStyle::Round; }

// LINESTYLE: U16 width, RGB (RGBA from DefineShape3). LINESTYLE2
// (DefineShape4): U16 width, UB2 start cap, UB2 join, UB1 has fill, UB1 no
// h-scale, UB1 no v-scale, UB1 pixel hinting, UB5 reserved, UB1 no close,
// UB2 end cap, [U16 miter limit 8.8 if join is miter], RGBA or FILLSTYLE.
LineStyle ReadLineStyle(Reader& in, int version) {
  LineStyle line;
  line.width = {in.U16()};
  if (version < 4) {
    line.color = version >= 3 ? in.Rgba() : in.Rgb();
    return line;
  }
  line.startCap = ToCap(in.UB(2));
  uint32_t join = in.UB(2);
  line.join = join <= 2 ? static_cast<JoinStyle>(join) : JoinStyle::Round;
  bool hasFill = in.UB(1);
  in.UB(3);  // no h-scale, no v-scale, pixel hinting
  in.UB(5);
  line.noClose = in.UB(1);
  line.endCap = ToCap(in.UB(2));
  if (line.join == JoinStyle::Miter) line.miterLimit = in.U16() / 256.0f;
  if (hasFill) {
    line.fill = ReadFillStyle(in, version);
    line.hasFill = line.fill.kind != FillKind::Solid;
    if (!line.hasFill) line.color = line.fill.color;
  } else {
    line.color = in.Rgba();
  }
  return line;
}

std::vector<LineStyle> ReadLineStyles(Reader& in, int version) {
  std::vector<LineStyle> lines;
  uint32_t count = ReadStyleCount(in, true);
  for (uint32_t i = 0; i < count; ++i) lines.push_back(ReadLineStyle(in, version));
  return lines;
}

// Loads a new-style group (fills, lines) and returns where its indexes start.
struct StyleTables {
  uint16_t fillBase = 0, lineBase = 0;
  uint16_t fillCount = 0, lineCount = 0;
};
using NewStyles = std::function<StyleTables(Reader&)>;

// SHAPERECORDs until the end record. Non-edge (UB1 0): UB5 flags (new
// styles, line, fill1, fill0, move); all zero ends the shape; move: UB5 n,
// SB[n] x, y absolute; fill0/fill1 UB[fillBits]; line UB[lineBits]; new
// styles: FILLSTYLEARRAY, LINESTYLEARRAY, UB4 fill bits, UB4 line bits.
// Edge (UB1 1): UB1 straight, UB4 n-2; straight: UB1 general, then both
// deltas, or UB1 vertical and one delta; curved: control and anchor deltas.
std::vector<Edge> ReadShapeRecords(Reader& in, StyleTables tables, const NewStyles& newStyles) {
  std::vector<Edge> edges;
  int fillBits = static_cast<int>(in.UB(4));
  int lineBits = static_cast<int>(in.UB(4));
  int32_t x = 0, y = 0;
  uint16_t fill0 = 0, fill1 = 0, line = 0, group = 0;
  // Indexes beyond the current tables draw nothing rather than another
  // group's style.
  auto fillIndex = [&](uint32_t i) -> uint16_t {
    return i == 0 || i > tables.fillCount ? 0 : static_cast<uint16_t>(tables.fillBase + i);
  };
  while (true) {
    if (in.UB(1) == 0) {
      uint32_t flags = in.UB(5);
      if (flags == 0) break;
      if (flags & 0x01) {
        int bits = static_cast<int>(in.UB(5));
        x = in.SB(bits);
        y = in.SB(bits);
      }
      if (flags & 0x02) fill0 = fillIndex(in.UB(fillBits));
      if (flags & 0x04) fill1 = fillIndex(in.UB(fillBits));
      if (flags & 0x08) {
        uint32_t i = in.UB(lineBits);
        line = i == 0 || i > tables.lineCount ? 0 : static_cast<uint16_t>(tables.lineBase + i);
      }
      if (flags & 0x10) {
        if (!newStyles) throw SwfError("new styles inside a shape that cannot have them");
        tables = newStyles(in);
        fill0 = fill1 = line = 0;
        ++group;
        fillBits = static_cast<int>(in.UB(4));
        lineBits = static_cast<int>(in.UB(4));
      }
      continue;
    }
    Edge e;
    e.fill0 = fill0;
    e.fill1 = fill1;
    e.line = line;
    e.group = group;
    e.from = {{x}, {y}};
    bool straight = in.UB(1);
    int bits = static_cast<int>(in.UB(4)) + 2;
    if (straight) {
      bool general = in.UB(1);
      if (general) {
        x = WrappingAdd(x, in.SB(bits));
        y = WrappingAdd(y, in.SB(bits));
      } else if (in.UB(1)) {
        y = WrappingAdd(y, in.SB(bits));
      } else {
        x = WrappingAdd(x, in.SB(bits));
      }
      e.to = {{x}, {y}};
      e.control = {{static_cast<int32_t>((int64_t(e.from.x.value) + x) / 2)},
                   {static_cast<int32_t>((int64_t(e.from.y.value) + y) / 2)}};
    } else {
      x = WrappingAdd(x, in.SB(bits));
      y = WrappingAdd(y, in.SB(bits));
      e.control = {{x}, {y}};
      x = WrappingAdd(x, in.SB(bits));
      y = WrappingAdd(y, in.SB(bits));
      e.to = {{x}, {y}};
      e.curve = true;
    }
    edges.push_back(e);
  }
  return edges;
}

// SHAPEWITHSTYLE: FILLSTYLEARRAY, LINESTYLEARRAY, then the records.
void ReadShapeWithStyle(Reader& in, int version, Shape& shape) {
  NewStyles load = [&shape, version](Reader& r) {
    StyleTables t;
    t.fillBase = static_cast<uint16_t>(shape.fills.size());
    t.lineBase = static_cast<uint16_t>(shape.lines.size());
    for (auto& f : ReadFillStyles(r, version)) shape.fills.push_back(std::move(f));
    for (auto& l : ReadLineStyles(r, version)) shape.lines.push_back(std::move(l));
    if (shape.fills.size() > 0xFFFF || shape.lines.size() > 0xFFFF)
      throw SwfError("too many styles");
    t.fillCount = static_cast<uint16_t>(shape.fills.size() - t.fillBase);
    t.lineCount = static_cast<uint16_t>(shape.lines.size() - t.lineBase);
    return t;
  };
  StyleTables first = load(in);
  shape.edges = ReadShapeRecords(in, first, version >= 2 ? load : NewStyles());
}

// MORPHFILLSTYLE: like FILLSTYLE with start and end values side by side:
// colours (RGBA, RGBA), matrices (start, end), gradient records (start
// ratio, start RGBA, end ratio, end RGBA).
void ReadMorphFillStyle(Reader& in, FillStyle& start, FillStyle& end) {
  uint8_t type = in.U8();
  if (type == 0x00) {
    start.color = in.Rgba();
    end.color = in.Rgba();
  } else if (type == 0x10 || type == 0x12 || type == 0x13) {
    start.kind = end.kind = type == 0x10   ? FillKind::LinearGradient
                            : type == 0x12 ? FillKind::RadialGradient
                                           : FillKind::FocalGradient;
    start.matrix = in.ReadMatrix();
    end.matrix = in.ReadMatrix();
    start.spread = end.spread = static_cast<SpreadMode>(std::min<uint32_t>(in.UB(2), 2));
    start.interpolation = end.interpolation =
        in.UB(2) == 1 ? InterpolationMode::Linear : InterpolationMode::Normal;
    uint32_t count = in.UB(4);
    for (uint32_t i = 0; i < count; ++i) {
      GradientStop s, e;
      s.ratio = in.U8();
      s.color = in.Rgba();
      e.ratio = in.U8();
      e.color = in.Rgba();
      start.stops.push_back(s);
      end.stops.push_back(e);
    }
    if (type == 0x13) {
      start.focal = in.Fixed8();
      end.focal = in.Fixed8();
    }
  } else if (type >= 0x40 && type <= 0x43) {
    start.kind = end.kind = FillKind::Bitmap;
    start.bitmapId = end.bitmapId = in.U16();
    start.matrix = in.ReadMatrix();
    end.matrix = in.ReadMatrix();
    start.repeat = end.repeat = (type & 1) == 0;
    start.smooth = end.smooth = (type & 2) == 0;
  } else {
    throw SwfError("unknown fill style type " + std::to_string(type));
  }
}

// MORPHLINESTYLE: U16 start width, U16 end width, RGBA start, RGBA end.
// MORPHLINESTYLE2: the widths, then LINESTYLE2's flag bits, [miter], then
// two RGBA or one MORPHFILLSTYLE.
void ReadMorphLineStyle(Reader& in, int version, LineStyle& start, LineStyle& end) {
  start.width = {in.U16()};
  end.width = {in.U16()};
  if (version >= 2) {
    start.startCap = end.startCap = ToCap(in.UB(2));
    uint32_t join = in.UB(2);
    start.join = end.join = join <= 2 ? static_cast<JoinStyle>(join) : JoinStyle::Round;
    bool hasFill = in.UB(1);
    in.UB(3);
    in.UB(5);
    start.noClose = end.noClose = in.UB(1);
    start.endCap = end.endCap = ToCap(in.UB(2));
    if (start.join == JoinStyle::Miter) start.miterLimit = end.miterLimit = in.U16() / 256.0f;
    if (hasFill) {
      FillStyle s, e;
      ReadMorphFillStyle(in, s, e);
      start.color = s.color;
      end.color = e.color;
      if (s.kind != FillKind::Solid) {
        start.hasFill = end.hasFill = true;
        start.fill = std::move(s);
        end.fill = std::move(e);
      }
      return;
    }
  }
  start.color = in.Rgba();
  end.color = in.Rgba();
}

}  // namespace

// DefineShape: RECT bounds; DefineShape4 adds RECT edge bounds and UB5
// reserved, UB1 fill winding rule, UB1 non-scaling, UB1 scaling strokes;
// then SHAPEWITHSTYLE.
Shape ReadDefineShape(Reader& in, int version) {
  Shape shape;
  shape.bounds = in.Rect();
  if (version >= 4) {
    in.Rect();
    in.UB(5);
    shape.nonZero = in.UB(1);
    in.UB(2);
  }
  ReadShapeWithStyle(in, version, shape);
  return shape;
}

// DefineMorphShape: RECT start bounds, RECT end bounds; version 2 adds two
// edge-bounds RECTs and a flag byte; U32 offset of the end edges (from
// after itself), MORPHFILLSTYLEARRAY, MORPHLINESTYLEARRAY, start SHAPE,
// end SHAPE (whose records only move the pen).
MorphShape ReadDefineMorphShape(Reader& in, int version) {
  MorphShape morph;
  morph.start.bounds = in.Rect();
  morph.end.bounds = in.Rect();
  if (version >= 2) {
    in.Rect();
    in.Rect();
    in.U8();
  }
  uint32_t offset = in.U32();
  if (offset > in.Remaining()) throw SwfError("morph end-edge offset beyond the tag");
  Reader styles = in.Sub(offset);
  Reader endEdges = in.Sub(in.Remaining());

  uint32_t fillCount = ReadStyleCount(styles, true);
  for (uint32_t i = 0; i < fillCount; ++i) {
    FillStyle s, e;
    ReadMorphFillStyle(styles, s, e);
    morph.start.fills.push_back(std::move(s));
    morph.end.fills.push_back(std::move(e));
  }
  uint32_t lineCount = ReadStyleCount(styles, true);
  for (uint32_t i = 0; i < lineCount; ++i) {
    LineStyle s, e;
    ReadMorphLineStyle(styles, version, s, e);
    morph.start.lines.push_back(std::move(s));
    morph.end.lines.push_back(std::move(e));
  }
  StyleTables tables{0, 0, static_cast<uint16_t>(fillCount), static_cast<uint16_t>(lineCount)};
  morph.start.edges = ReadShapeRecords(styles, tables, NewStyles());
  std::vector<Edge> end = ReadShapeRecords(endEdges, tables, NewStyles());

  // Pair the edges; a straight edge paired with a curve morphs as a curve
  // through its midpoint. Missing end edges stay where they start.
  size_t given = end.size();
  end.resize(morph.start.edges.size());
  for (size_t i = 0; i < end.size(); ++i) {
    Edge& s = morph.start.edges[i];
    Edge& e = end[i];
    if (i >= given) e = s;
    bool curve = s.curve || e.curve;
    e.fill0 = s.fill0;
    e.fill1 = s.fill1;
    e.line = s.line;
    e.group = s.group;
    s.curve = e.curve = curve;
  }
  morph.end.edges = std::move(end);
  return morph;
}

Shape ReadGlyphShape(Reader& in) {
  Shape shape;
  shape.fills.push_back(FillStyle{});
  StyleTables tables{0, 0, 1, 0};
  shape.edges = ReadShapeRecords(in, tables, NewStyles());
  return shape;
}

}  // namespace kestrova::swf
