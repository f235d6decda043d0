// THuffmanTree: the one-look-up decoding table of the inflater.
//
// The table has 2^MaxBits 32-bit entries, indexed by the next MaxBits input
// bits with the first-read bit lowest. An entry packs the symbol in bits
// 0-15, the code length in bits 16-23 and the number of extra bits that
// follow the code in bits 24-31; slots no code reaches hold kNoCode.
//
//   THuffmanTree tree(15);
//   tree.Build(lengths, 257, kLengthExtraBits, 286, 0);
//   uint32_t entry = tree.Lookup(bits & tree.Mask());
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrova {

class THuffmanTree {
 public:
  static constexpr uint32_t kNoCode = 0xFFFFFFFF;
  static constexpr int kLongestCode = 15;  // the most MaxCodeLen may be

  explicit THuffmanTree(int maxCodeLen);

  // Builds the canonical code of count symbols whose lengths are
  // lengths[start .. start + count - 1]; symbol i (counted from start) at
  // or above firstExtra carries extraBits[i - firstExtra] extra bits.
  // Lengths above MaxCodeLen count as absent.
  void Build(std::span<const uint8_t> lengths, int firstExtra, std::span<const uint8_t> extraBits,
             int count, int start);

  uint32_t Lookup(uint32_t index) const { return table_[index]; }
  const uint32_t* Table() const { return table_.data(); }
  int MaxCodeLen() const { return maxCodeLen_; }
  int MaxBits() const { return maxBits_; }
  uint32_t Mask() const { return (uint32_t(1) << maxBits_) - 1; }

  static constexpr uint32_t Symbol(uint32_t entry) { return entry & 0xFFFF; }
  static constexpr uint32_t CodeLength(uint32_t entry) { return (entry >> 16) & 0xFF; }
  static constexpr uint32_t ExtraBits(uint32_t entry) { return entry >> 24; }

 private:
  std::vector<uint32_t> table_;
  int maxCodeLen_;
  int maxBits_ = 0;
};

// The extra-bit counts of RFC 1951, indexed from the first symbol that has
// extra bits (257 for lengths, 0 for distances), padded with zeros to the
// 288 and 32 symbols of the fixed codes.
extern const uint8_t kLengthExtraBits[31];
extern const uint8_t kDistanceExtraBits[32];

// The two trees of the fixed codes, shared by every inflater. They are built
// on first use (before any reader runs, when the skin engine starts) and
// never change afterwards.
const THuffmanTree& FixedLiteralTree();
const THuffmanTree& FixedDistanceTree();

}  // namespace kestrova
