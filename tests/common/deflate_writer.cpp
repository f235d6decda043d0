#include "tests/common/deflate_writer.h"

#include <algorithm>

namespace kestrova::testing {
namespace {

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                   33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                   1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

}  // namespace

std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths) {
  int count[16] = {};
  for (uint8_t len : lengths) ++count[len];
  count[0] = 0;
  uint32_t next[16] = {};
  uint32_t code = 0;
  for (int bits = 1; bits < 16; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<uint32_t> codes(lengths.size());
  for (size_t i = 0; i < lengths.size(); ++i)
    if (lengths[i]) codes[i] = next[lengths[i]]++;
  return codes;
}

void DeflateWriter::FixedLiteral(int symbol) {
  if (symbol < 144)
    Code(0x30 + symbol, 8);
  else if (symbol < 256)
    Code(0x190 + symbol - 144, 9);
  else if (symbol < 280)
    Code(symbol - 256, 7);
  else
    Code(0xC0 + symbol - 280, 8);
}

void DeflateWriter::FixedMatch(int length, int distance) {
  CodeWithExtra l = LengthCode(length);
  FixedLiteral(l.symbol);
  Bits(l.extraValue, l.extraBits);
  CodeWithExtra d = DistanceCode(distance);
  Code(d.symbol, 5);
  Bits(d.extraValue, d.extraBits);
}

void DeflateWriter::Stored(bool final, const std::vector<uint8_t>& data, uint16_t nlen) {
  BlockHeader(final, 0);
  AlignToByte();
  Bits(static_cast<uint32_t>(data.size()), 16);
  Bits(nlen, 16);
  for (uint8_t b : data) Byte(b);
}

CodeWithExtra LengthCode(int length) {
  if (length == 258) return {285, 0, 0};
  int i =
      static_cast<int>(std::upper_bound(kLengthBase, kLengthBase + 28, length) - kLengthBase) - 1;
  return {257 + i, kLengthExtra[i], length - kLengthBase[i]};
}

CodeWithExtra DistanceCode(int distance) {
  int i = static_cast<int>(std::upper_bound(kDistanceBase, kDistanceBase + 30, distance) -
                           kDistanceBase) -
          1;
  return {i, kDistanceExtra[i], distance - kDistanceBase[i]};
}

}  // namespace kestrova::testing
