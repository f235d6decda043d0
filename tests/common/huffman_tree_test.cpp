#include "common/huffman_tree.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kestrova {
namespace {

// RFC 1951's example: lengths (3, 3, 3, 3, 3, 2, 4, 4) give the codes
// F=00, A=010 ... E=110, G=1110, H=1111.
TEST(HuffmanTree, TableIsIndexedByReversedCodesAndPacksSymbolLengthAndExtraBits) {
  const std::vector<uint8_t> lengths = {3, 3, 3, 3, 3, 2, 4, 4};
  const uint8_t extra[] = {7, 9};
  THuffmanTree tree(15);
  tree.Build(lengths, 6, extra, 8, 0);

  ASSERT_EQ(tree.MaxBits(), 4);
  ASSERT_EQ(tree.Mask(), 15u);
  // F = 00: every index whose low two bits are 00.
  for (uint32_t high = 0; high < 4; ++high) EXPECT_EQ(tree.Lookup(high << 2), 5u | (2u << 16));
  // A = 010, read first bit first: index bits 0,1,2 = 0,1,0.
  EXPECT_EQ(tree.Lookup(0b0010), 0u | (3u << 16));
  EXPECT_EQ(tree.Lookup(0b1010), 0u | (3u << 16));
  // G = 1110 and H = 1111 carry extra[0] and extra[1] above the first symbol with extra bits.
  EXPECT_EQ(tree.Lookup(0b0111), 6u | (4u << 16) | (7u << 24));
  EXPECT_EQ(tree.Lookup(0b1111), 7u | (4u << 16) | (9u << 24));
}

TEST(HuffmanTree, SlotsNoCodeReachesStayEmptyAndTheTableFollowsTheLongestCode) {
  THuffmanTree tree(7);
  std::vector<uint8_t> lengths(19, 0);
  lengths[4] = 1;  // a single code: "0"
  tree.Build(lengths, 19, {}, 19, 0);
  EXPECT_EQ(tree.MaxBits(), 1);
  EXPECT_EQ(tree.Lookup(0), 4u | (1u << 16));
  EXPECT_EQ(tree.Lookup(1), THuffmanTree::kNoCode);

  tree.Build(std::vector<uint8_t>(19, 0), 19, {}, 19, 0);
  EXPECT_EQ(tree.MaxBits(), 0);
  EXPECT_EQ(tree.Lookup(0), THuffmanTree::kNoCode);
}

TEST(HuffmanTree, SymbolsCountFromTheStartOfTheirRun) {
  // Distance lengths follow the literal lengths in one array.
  std::vector<uint8_t> lengths = {9, 9, 9, 1, 1};
  THuffmanTree tree(15);
  tree.Build(lengths, 0, kDistanceExtraBits, 2, 3);
  EXPECT_EQ(tree.MaxBits(), 1);
  EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(0)), 0u);
  EXPECT_EQ(THuffmanTree::Symbol(tree.Lookup(1)), 1u);
}

TEST(HuffmanTree, FixedTreesFollowRfc1951) {
  const THuffmanTree& literals = FixedLiteralTree();
  EXPECT_EQ(literals.MaxCodeLen(), 15);
  EXPECT_EQ(literals.MaxBits(), 9);
  // End of block is seven zero bits.
  EXPECT_EQ(literals.Lookup(0), 256u | (7u << 16));
  // Length 265 (code 0001001, 7 bits) has one extra bit.
  EXPECT_EQ(literals.Lookup(0b1001000), 265u | (7u << 16) | (1u << 24));

  const THuffmanTree& distances = FixedDistanceTree();
  EXPECT_EQ(distances.MaxBits(), 5);
  EXPECT_EQ(distances.Lookup(0b11111), 31u | (5u << 16));
  EXPECT_EQ(distances.Lookup(0b10111), 29u | (5u << 16) | (13u << 24));

  // Every literal/length symbol at its RFC 1951 code (3.2.6), whatever the
  // bits after the code: the table is indexed by bits read first-lowest.
  auto reverse = [](uint32_t code, int len) {
    uint32_t r = 0;
    for (int i = 0; i < len; ++i) r |= ((code >> i) & 1) << (len - 1 - i);
    return r;
  };
  for (uint32_t sym = 0; sym < 288; ++sym) {
    const auto [code, len] = sym < 144   ? std::pair{0x30 + sym, 8}
                             : sym < 256 ? std::pair{0x190 + sym - 144, 9}
                             : sym < 280 ? std::pair{sym - 256, 7}
                                         : std::pair{0xC0 + sym - 280, 8};
    const uint32_t extra = sym < 265 || sym > 284 ? 0 : (sym - 261) / 4;
    for (uint32_t high : {0u, (1u << 9) - (1u << len)}) {
      const uint32_t entry = literals.Lookup(reverse(code, len) | high);
      EXPECT_EQ(THuffmanTree::Symbol(entry), sym);
      EXPECT_EQ(THuffmanTree::CodeLength(entry), uint32_t(len)) << sym;
      EXPECT_EQ(THuffmanTree::ExtraBits(entry), extra) << sym;
    }
  }
  for (uint32_t d = 0; d < 30; ++d) {
    EXPECT_EQ(distances.Lookup(reverse(d, 5)), d | (5u << 16) | ((d < 4 ? 0 : d / 2 - 1) << 24));
  }
}

}  // namespace
}  // namespace kestrova
