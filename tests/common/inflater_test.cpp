#include "common/inflater.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/error.h"
#include "tests/common/deflate_writer.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {
namespace {

using testing::Bytes;
using testing::DeflateWriter;

Bytes Inflate(const Bytes& stream) {
  MemorySource in(stream.data(), stream.size());
  VectorSink out;
  InflateRaw(in, out);
  return out.bytes;
}

std::string InflateError(const Bytes& stream) {
  try {
    Inflate(stream);
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

Bytes RandomBytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

// Text-like data with plenty of repeats near and far.
Bytes Words(size_t size, unsigned seed) {
  static const char* words[] = {"skin ",  "title ", "border ",     "button ", "region ", "picture ",
                                "SKIN2_", "\r\n",   "0x00FF00FF ", "check ",  "menu "};
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) {
    const char* w = words[random() % 11];
    out.insert(out.end(), w, w + std::char_traits<char>::length(w));
  }
  out.resize(size);
  return out;
}

// ---- Blocks of each type ----------------------------------------------

TEST(InflateBlocks, StoredBlocksAreCopiedAsTheyAreAndNlenIsNotChecked) {
  DeflateWriter w;
  w.Stored(false, {'a', 'b', 'c'}, 0x1234);  // a wrong NLEN
  w.Stored(false, {}, 0xFFFF);
  w.BlockHeader(true, 1);
  w.FixedLiteral('d');
  w.FixedEnd();
  EXPECT_EQ(Inflate(w.Finish()), (Bytes{'a', 'b', 'c', 'd'}));
}

TEST(InflateBlocks, StoredBlockTakesTheBytesStillHeldInTheBitReaderFirst) {
  // A fixed block of 9 literals leaves part of a word in the bit reader
  // when the stored block starts.
  DeflateWriter w;
  w.BlockHeader(false, 1);
  for (char c : std::string("123456789")) w.FixedLiteral(c);
  w.FixedEnd();
  Bytes middle = RandomBytes(20000, 1);
  w.Stored(true, middle, 0);
  Bytes expected = testing::Concat({testing::Text("123456789"), middle});
  EXPECT_EQ(Inflate(w.Finish()), expected);
}

TEST(InflateBlocks, ZlibStreamsOfEveryKindInflateExactly) {
  const Bytes inputs[] = {Words(300000, 2), RandomBytes(200000, 3), Bytes(100000, 'z'), {}};
  const struct {
    int level, strategy;
  } settings[] = {{0, 0}, {1, 0}, {6, 0}, {9, 0}, {9, 1}, {6, 2}, {6, 3}, {6, 4}};
  for (const Bytes& input : inputs)
    for (auto s : settings)
      EXPECT_EQ(Inflate(DeflateRaw(input, s.level, s.strategy)), input)
          << input.size() << " bytes, level " << s.level << " strategy " << s.strategy;
}

TEST(InflateBlocks, ReservedBlockTypeProducesNothing) {
  DeflateWriter w;
  w.BlockHeader(false, 3);
  w.BlockHeader(true, 1);
  w.FixedLiteral('x');
  w.FixedEnd();
  EXPECT_EQ(Inflate(w.Finish()), (Bytes{'x'}));
}

TEST(InflateBlocks, DataAfterTheFinalBlockIsIgnored) {
  Bytes stream = DeflateRaw(Words(1000, 4), 9);
  Bytes padded = testing::Concat({stream, RandomBytes(100, 5)});
  EXPECT_EQ(Inflate(padded), Words(1000, 4));
}

// ---- Back-references ----------------------------------------------------

TEST(InflateMatches, OverlappingReferencesRepeatTheirOwnOutput) {
  DeflateWriter w;
  w.BlockHeader(true, 1);
  w.FixedLiteral('a');
  w.FixedMatch(10, 1);  // aaaaaaaaaa
  w.FixedLiteral('b');
  w.FixedLiteral('c');
  w.FixedMatch(7, 2);  // bcbcbcb
  w.FixedLiteral('1');
  w.FixedLiteral('2');
  w.FixedLiteral('3');
  w.FixedMatch(258, 3);  // a long run with a short period
  w.FixedMatch(20, 19);  // distance 19 < length 20
  w.FixedEnd();

  std::string expected = "a" + std::string(10, 'a') + "bc" + "bcbcbcb" + "123";
  for (int i = 0; i < 258; ++i) expected += "123"[i % 3];
  for (int i = 0; i < 20; ++i) expected += expected[expected.size() - 19];
  EXPECT_EQ(Inflate(w.Finish()), testing::Text(expected));
}

TEST(InflateMatches, EveryLengthAndDistanceCodeWithItsSmallestAndLargestExtra) {
  // 33000 random bytes of history, then matches of every length code and
  // every distance code; the expected output is replayed byte by byte.
  Bytes expected = RandomBytes(33000, 6);
  DeflateWriter w;
  w.Stored(false, Bytes(expected.begin(), expected.begin() + 33000), 0);
  w.BlockHeader(true, 1);
  auto match = [&](int length, int distance) {
    w.FixedMatch(length, distance);
    for (int i = 0; i < length; ++i) expected.push_back(expected[expected.size() - distance]);
  };
  const int lengthEdges[] = {3,   4,   5,   6,   7,   8,   9,   10,  11,  12, 13, 14,  15,
                             16,  17,  18,  19,  22,  23,  26,  27,  30,  31, 34, 35,  42,
                             43,  50,  51,  58,  59,  66,  67,  82,  83,  98, 99, 114, 115,
                             130, 131, 162, 163, 194, 195, 226, 227, 257, 258};
  const int distanceEdges[] = {
      1,    2,    3,    4,    5,    6,    7,    8,     9,     12,    13,    16,    17,    24,
      25,   32,   33,   48,   49,   64,   65,   96,    97,    128,   129,   192,   193,   256,
      257,  384,  385,  512,  513,  768,  769,  1024,  1025,  1536,  1537,  2048,  2049,  3072,
      3073, 4096, 4097, 6144, 6145, 8192, 8193, 12288, 12289, 16384, 16385, 24576, 24577, 32768};
  for (int length : lengthEdges) match(length, 1000);
  for (int distance : distanceEdges) match(5, distance);
  w.FixedEnd();
  EXPECT_EQ(Inflate(w.Finish()), expected);
}

TEST(InflateMatches, OutputsBeyondTheWindowKeepTheirHistory) {
  // A 30000-byte random block repeated: every repeat reaches back 30000
  // bytes, across the window's 32 KB slides.
  Bytes block = RandomBytes(30000, 7);
  Bytes input;
  for (int i = 0; i < 12; ++i) input.insert(input.end(), block.begin(), block.end());
  Bytes stream = DeflateRaw(input, 9);
  EXPECT_LT(stream.size(), 40000u);
  EXPECT_EQ(Inflate(stream), input);
}

// ---- Dynamic block headers ----------------------------------------------

// A dynamic block header for these code lengths, with a code-length code
// giving symbols 0-15 four bits each, then the lengths one by one.
void DynamicHeader(DeflateWriter& w, bool final, const std::vector<uint8_t>& literals,
                   const std::vector<uint8_t>& distances) {
  w.BlockHeader(final, 2);
  w.Bits(static_cast<uint32_t>(literals.size() - 257), 5);
  w.Bits(static_cast<uint32_t>(distances.size() - 1), 5);
  w.Bits(19 - 4, 4);
  const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  for (int symbol : order) w.Bits(symbol < 16 ? 4 : 0, 3);
  for (uint8_t len : literals) w.Code(len, 4);
  for (uint8_t len : distances) w.Code(len, 4);
}

TEST(InflateDynamic, MostLiteralAndDistanceCodesAreAcceptedOneMoreIsRefused) {
  // 286 literal/length codes of 9 bits and 30 distance codes of 5 bits.
  std::vector<uint8_t> literals(286, 9), distances(30, 5);
  DeflateWriter w;
  DynamicHeader(w, true, literals, distances);
  std::vector<uint32_t> codes = testing::CanonicalCodes(literals);
  w.Code(codes['h'], 9);
  w.Code(codes['i'], 9);
  w.Code(codes[256], 9);
  EXPECT_EQ(Inflate(w.Finish()), (Bytes{'h', 'i'}));

  for (auto [hlit, hdist] :
       {std::pair{287, 30}, std::pair{288, 1}, std::pair{257, 31}, std::pair{286, 32}}) {
    DeflateWriter bad;
    DynamicHeader(bad, true, std::vector<uint8_t>(hlit, 9), std::vector<uint8_t>(hdist, 5));
    EXPECT_EQ(InflateError(bad.Finish()), kInflateTooManyCodes) << hlit << " " << hdist;
  }
}

// The code-length code 8 -> "0", 16 -> "10", 17 -> "110", 18 -> "111",
// then literal lengths: 65 zeros (18), 8 for 'A', three repeats (16) for
// 'B'-'D', 187 zeros (18, 18), 8 for the end code. `distance` writes the
// one distance length.
Bytes RunLengthBlock(void (*distance)(DeflateWriter&)) {
  DeflateWriter w;
  w.BlockHeader(true, 2);
  w.Bits(0, 5);  // 257 literal/length codes
  w.Bits(0, 5);  // 1 distance code
  w.Bits(19 - 4, 4);
  const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  for (int symbol : order) w.Bits(symbol == 8 ? 1 : symbol == 16 ? 2 : symbol >= 17 ? 3 : 0, 3);
  w.Code(0b111, 3);
  w.Bits(65 - 11, 7);
  w.Code(0b0, 1);
  w.Code(0b10, 2);
  w.Bits(0, 2);
  w.Code(0b111, 3);
  w.Bits(138 - 11, 7);
  w.Code(0b111, 3);
  w.Bits(49 - 11, 7);
  w.Code(0b0, 1);
  distance(w);
  // Literal codes: 'A'-'D' and the end code, 8 bits each, canonical.
  for (uint32_t code : {0u, 3u, 1u, 4u}) w.Code(code, 8);
  return w.Finish();
}

TEST(InflateDynamic, RepeatsAndZeroRunsFillTheLengthArray) {
  EXPECT_EQ(Inflate(RunLengthBlock([](DeflateWriter& w) { w.Code(0b0, 1); })),
            testing::Text("ADB"));
  // A run of three zeros where one length is left.
  EXPECT_EQ(InflateError(RunLengthBlock([](DeflateWriter& w) {
              w.Code(0b110, 3);
              w.Bits(0, 3);
            })),
            kInflateRunTooLong);
}

TEST(InflateDynamic, ARepeatWithNoPreviousLengthIsRefused) {
  DeflateWriter w;
  w.BlockHeader(true, 2);
  w.Bits(0, 5);
  w.Bits(0, 5);
  w.Bits(0, 4);  // 4 code-length codes: 16, 17, 18, 0
  w.Bits(1, 3);  // 16 -> "0"
  w.Bits(1, 3);  // 17 -> "1"
  w.Bits(0, 3);
  w.Bits(0, 3);
  w.Code(0, 1);
  w.Bits(0, 2);
  EXPECT_EQ(InflateError(w.Finish()), kInflateRepeatFirst);
}

// ---- Corrupt streams ------------------------------------------------------

TEST(InflateCorrupt, EachKindOfFaultStopsWithItsMessage) {
  struct Case {
    const char* what;
    Bytes stream;
    const char* message;
  };
  std::vector<Case> cases;
  {
    DeflateWriter w;
    w.BlockHeader(true, 1);
    w.FixedLiteral(286);
    cases.push_back({"literal/length 286", w.Finish(), kInflateBadCode});
  }
  {
    DeflateWriter w;
    w.BlockHeader(true, 1);
    w.FixedLiteral('a');
    w.FixedLiteral(257);
    w.Code(30, 5);
    cases.push_back({"distance symbol 30", w.Finish(), kInflateBadCode});
  }
  {
    // Literal codes 'a' = 0 and end = 10 leave "11" to no symbol.
    std::vector<uint8_t> literals(257, 0);
    literals['a'] = 1;
    literals[256] = 2;
    DeflateWriter w;
    DynamicHeader(w, true, literals, {1});
    w.Code(0b11, 2);
    cases.push_back({"code with no symbol", w.Finish(), kInflateBadCode});
  }
  {
    DeflateWriter w;
    w.BlockHeader(true, 1);
    w.FixedLiteral('a');
    w.FixedMatch(3, 2);
    w.FixedEnd();
    cases.push_back({"distance before the start", w.Finish(), kInflateDistanceTooFar});
  }
  {
    DeflateWriter w;
    w.Stored(true, RandomBytes(100, 8), 0);
    Bytes stream = w.Finish();
    stream.resize(stream.size() - 10);
    cases.push_back({"stored block past the input", stream, kInflateTruncated});
  }
  {
    DeflateWriter w;
    w.BlockHeader(true, 1);
    for (int i = 0; i < 7; ++i) w.FixedLiteral('a' + i);  // 5 bits left: no room for the end
    cases.push_back({"coded block without its end", w.Finish(), kInflateTruncated});
  }
  cases.push_back({"nothing at all", {}, kInflateTruncated});
  {
    DeflateWriter w;
    w.BlockHeader(false, 1);
    w.FixedEnd();
    cases.push_back({"no final block", w.Finish(), kInflateTruncated});
  }
  for (const Case& c : cases) EXPECT_EQ(InflateError(c.stream), c.message) << c.what;
}

TEST(InflateCorrupt, EveryPrefixOfAStreamFailsCleanly) {
  Bytes input = Words(5000, 9);
  Bytes stream = DeflateRaw(input, 9);
  for (size_t n = 0; n < stream.size(); ++n) {
    Bytes prefix(stream.begin(), stream.begin() + n);
    EXPECT_NE(InflateError(prefix), "no error") << n;
  }
}

}  // namespace
}  // namespace kestrova
