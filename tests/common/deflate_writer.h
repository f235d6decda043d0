// Hand-made DEFLATE streams for the inflater tests: bits written lowest
// first, Huffman codes most significant bit first, canonical codes from a
// list of lengths, and the fixed codes of RFC 1951.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrova::testing {

class DeflateWriter {
 public:
  void Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // A Huffman code: its first bit is the code's most significant.
  void Code(uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void AlignToByte() {
    while (used_ != 0) Bit(0);
  }
  void Byte(uint8_t b) { Bits(b, 8); }

  void BlockHeader(bool final, int type) {
    Bits(final ? 1 : 0, 1);
    Bits(static_cast<uint32_t>(type), 2);
  }
  void FixedLiteral(int symbol);
  // A match in a fixed block, with the extra bits it needs.
  void FixedMatch(int length, int distance);
  void FixedEnd() { FixedLiteral(256); }
  // A stored block of `data` (NLEN written as given).
  void Stored(bool final, const std::vector<uint8_t>& data, uint16_t nlen);

  std::vector<uint8_t> Finish() {
    std::vector<uint8_t> out = bytes_;
    if (used_) out.push_back(partial_);
    return out;
  }

 private:
  void Bit(uint32_t bit) {
    partial_ |= static_cast<uint8_t>(bit << used_);
    if (++used_ == 8) {
      bytes_.push_back(partial_);
      partial_ = 0;
      used_ = 0;
    }
  }
  std::vector<uint8_t> bytes_;
  uint8_t partial_ = 0;
  int used_ = 0;
};

// The canonical codes of RFC 1951 for these lengths (0: no code).
std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths);

// Length and distance symbols of RFC 1951 with their extra bits.
struct CodeWithExtra {
  int symbol;
  int extraBits;
  int extraValue;
};
CodeWithExtra LengthCode(int length);
CodeWithExtra DistanceCode(int distance);

}  // namespace kestrova::testing
