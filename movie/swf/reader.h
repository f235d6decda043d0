// Reader: little-endian bytes and bit fields of SWF data, bounded to one
// span. Every tag and sub-record is read through its own Reader of exactly
// its declared length (Sub), so bad data can never read past its record.
// Reading past the end raises SwfError("truncated data").
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "common/pixels.h"
#include "movie/swf/movie.h"

namespace kestrova::swf {

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Remaining() const { return bytes_.size() - pos_; }
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  size_t Position() const { return pos_; }

  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  int16_t S16() { return static_cast<int16_t>(U16()); }
  float Fixed8() { return S16() / 256.0f; }  // signed 8.8
  double Double();                           // the AVM1 word-swapped layout
  float Float();
  std::span<const uint8_t> Bytes(size_t count);
  std::span<const uint8_t> Rest() { return Bytes(Remaining()); }
  void Skip(size_t count) { Bytes(count); }
  // A reader over the next `count` bytes; this one moves past them.
  Reader Sub(size_t count) { return Reader(Bytes(count)); }
  std::string String();  // null-terminated

  // Bit fields, most significant bit first; byte reads realign.
  uint32_t UB(int bits);
  int32_t SB(int bits);
  float FB(int bits) { return SB(bits) / 65536.0f; }  // signed 16.16
  void Align() { bitCount_ = 0; }

  // Common records.
  TwipsRect Rect();
  Matrix ReadMatrix();
  ColorTransform CxForm(bool withAlpha);
  Pixel Rgb();
  Pixel Rgba();

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
  uint32_t bitBuffer_ = 0;
  int bitCount_ = 0;
};

}  // namespace kestrova::swf
