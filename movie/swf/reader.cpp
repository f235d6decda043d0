#include "movie/swf/reader.h"

#include <cstring>

#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {
[[noreturn]] void Truncated() { throw SwfError("truncated data"); }
}  // namespace

uint8_t Reader::U8() {
  Align();
  if (pos_ >= bytes_.size()) Truncated();
  return bytes_[pos_++];
}

uint16_t Reader::U16() {
  auto b = Bytes(2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t Reader::U32() {
  auto b = Bytes(4);
  return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

double Reader::Double() {
  // Two little-endian 32-bit halves, high half first.
  uint64_t high = U32();
  uint64_t low = U32();
  uint64_t bits = (high << 32) | low;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

float Reader::Float() {
  uint32_t bits = U32();
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::span<const uint8_t> Reader::Bytes(size_t count) {
  Align();
  if (count > Remaining()) Truncated();
  auto out = bytes_.subspan(pos_, count);
  pos_ += count;
  return out;
}

std::string Reader::String() {
  Align();
  size_t end = pos_;
  while (end < bytes_.size() && bytes_[end] != 0) ++end;
  if (end >= bytes_.size()) Truncated();
  std::string text(reinterpret_cast<const char*>(bytes_.data() + pos_), end - pos_);
  pos_ = end + 1;
  return text;
}

uint32_t Reader::UB(int bits) {
  uint32_t value = 0;
  for (int i = 0; i < bits; ++i) {
    if (bitCount_ == 0) {
      if (pos_ >= bytes_.size()) Truncated();
      bitBuffer_ = bytes_[pos_++];
      bitCount_ = 8;
    }
    --bitCount_;
    value = (value << 1) | ((bitBuffer_ >> bitCount_) & 1);
  }
  return value;
}

int32_t Reader::SB(int bits) {
  if (bits == 0) return 0;
  uint32_t value = UB(bits);
  if (bits < 32 && (value & (1u << (bits - 1)))) value |= ~0u << bits;  // sign-extend
  return static_cast<int32_t>(value);
}

// RECT: UB5 nbits, then SB[nbits] xmin, xmax, ymin, ymax.
TwipsRect Reader::Rect() {
  Align();
  int bits = static_cast<int>(UB(5));
  TwipsRect r;
  r.xMin = {SB(bits)};
  r.xMax = {SB(bits)};
  r.yMin = {SB(bits)};
  r.yMax = {SB(bits)};
  Align();
  return r;
}

// MATRIX: optional scale (UB5 n, FB[n] x2), optional rotate/skew (same),
// then translate (UB5 n, SB[n] x2, twips).
Matrix Reader::ReadMatrix() {
  Align();
  Matrix m;
  if (UB(1)) {
    int bits = static_cast<int>(UB(5));
    m.a = FB(bits);
    m.d = FB(bits);
  }
  if (UB(1)) {
    int bits = static_cast<int>(UB(5));
    m.b = FB(bits);
    m.c = FB(bits);
  }
  int bits = static_cast<int>(UB(5));
  m.tx = {SB(bits)};
  m.ty = {SB(bits)};
  Align();
  return m;
}

// CXFORM / CXFORMWITHALPHA: UB1 has-add, UB1 has-mult, UB4 nbits, then the
// multiply terms (8.8) and add terms, R G B [A] each.
ColorTransform Reader::CxForm(bool withAlpha) {
  Align();
  bool hasAdd = UB(1);
  bool hasMult = UB(1);
  int bits = static_cast<int>(UB(4));
  ColorTransform cx;
  if (hasMult) {
    cx.mr = SB(bits) / 256.0f;
    cx.mg = SB(bits) / 256.0f;
    cx.mb = SB(bits) / 256.0f;
    if (withAlpha) cx.ma = SB(bits) / 256.0f;
  }
  if (hasAdd) {
    cx.ar = static_cast<float>(SB(bits));
    cx.ag = static_cast<float>(SB(bits));
    cx.ab = static_cast<float>(SB(bits));
    if (withAlpha) cx.aa = static_cast<float>(SB(bits));
  }
  Align();
  return cx;
}

Pixel Reader::Rgb() {
  auto b = Bytes(3);
  return MakePixel(b[0], b[1], b[2]);
}

Pixel Reader::Rgba() {
  auto b = Bytes(4);
  return MakePixel(b[0], b[1], b[2], b[3]);
}

}  // namespace kestrova::swf
