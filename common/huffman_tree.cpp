#include "common/huffman_tree.h"

#include <algorithm>
#include <array>

namespace kestrova {

const uint8_t kLengthExtraBits[31] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                      3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 0, 0};
const uint8_t kDistanceExtraBits[32] = {0, 0, 0, 0, 1, 1, 2,  2,  3,  3,  4,  4,  5,  5,  6, 6,
                                        7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 0, 0};

THuffmanTree::THuffmanTree(int maxCodeLen) : maxCodeLen_(std::clamp(maxCodeLen, 1, kLongestCode)) {}

namespace {

uint32_t ReverseBits(uint32_t code, int length) {
  uint32_t reversed = 0;
  for (int i = 0; i < length; ++i, code >>= 1) reversed = (reversed << 1) | (code & 1);
  return reversed;
}

}  // namespace

void THuffmanTree::Build(std::span<const uint8_t> lengths, int firstExtra,
                         std::span<const uint8_t> extraBits, int count, int start) {
  start = std::clamp(start, 0, int(lengths.size()));
  count = std::clamp(count, 0, int(lengths.size()) - start);
  std::span<const uint8_t> own = lengths.subspan(start, count);
  auto usable = [&](uint8_t len) { return len != 0 && len <= maxCodeLen_; };

  std::array<uint32_t, kLongestCode + 1> lengthCount{};
  maxBits_ = 0;
  for (uint8_t len : own) {
    if (!usable(len)) continue;
    ++lengthCount[len];
    maxBits_ = std::max<int>(maxBits_, len);
  }
  table_.assign(size_t(1) << maxBits_, kNoCode);

  // Canonical codes: each length's first code follows the last code of the
  // length below, shifted up one bit.
  std::array<uint32_t, kLongestCode + 2> nextCode{};
  uint32_t code = 0;
  for (int bits = 1; bits <= maxCodeLen_; ++bits) {
    code = (code + lengthCount[bits - 1]) * 2;
    nextCode[bits] = code;
  }

  // Every index whose low `len` bits are the reversed code decodes it.
  for (int i = 0; i < count; ++i) {
    uint8_t len = own[i];
    if (!usable(len)) continue;
    uint32_t rev = ReverseBits(nextCode[len]++, len);
    uint32_t entry = uint32_t(i) | (uint32_t(len) << 16);
    if (i >= firstExtra && size_t(i - firstExtra) < extraBits.size())
      entry |= uint32_t(extraBits[i - firstExtra]) << 24;
    for (size_t at = rev; at < table_.size(); at += size_t(1) << len) table_[at] = entry;
  }
}

namespace {

THuffmanTree BuildFixedLiteralTree() {
  std::array<uint8_t, 288> lengths{};
  std::fill(lengths.begin(), lengths.begin() + 144, 8);
  std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
  std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
  std::fill(lengths.begin() + 280, lengths.end(), 8);
  THuffmanTree tree(15);
  tree.Build(lengths, 257, kLengthExtraBits, 288, 0);
  return tree;
}

THuffmanTree BuildFixedDistanceTree() {
  std::array<uint8_t, 32> lengths;
  lengths.fill(5);
  THuffmanTree tree(15);
  tree.Build(lengths, 0, kDistanceExtraBits, 32, 0);
  return tree;
}

}  // namespace

const THuffmanTree& FixedLiteralTree() {
  static const THuffmanTree tree = BuildFixedLiteralTree();
  return tree;
}

const THuffmanTree& FixedDistanceTree() {
  static const THuffmanTree tree = BuildFixedDistanceTree();
  return tree;
}

}  // namespace kestrova
