// zlib streams through our inflater, with zlib itself as the reference:
// what zlib writes we read exactly, what we write zlib reads, and each kind
// of damage stops with its message.
#include "common/zlib_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

#include "common/error.h"
#include "common/inflater.h"

namespace kestrova {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Inflate(const Bytes& stream) {
  MemorySource in(stream.data(), stream.size());
  VectorSink out;
  InflateZlib(in, out);
  return out.bytes;
}

std::string ErrorOf(const Bytes& stream) {
  try {
    Inflate(stream);
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

Bytes Compress(const Bytes& raw, int level) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  EXPECT_EQ(compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level), Z_OK);
  out.resize(size);
  return out;
}

Bytes Sample(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  // Runs of a few symbols: compressible, with matches near and far.
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>("ab c\n"[random() % 5]);
  return out;
}

TEST(ZlibStream, ReadsWhatZlibWritesAtEveryLevel) {
  const Bytes inputs[] = {{}, Bytes(1, 'x'), Sample(200000, 1), Bytes(70000, 0)};
  for (const Bytes& input : inputs)
    for (int level : {0, 1, 6, 9})
      EXPECT_EQ(Inflate(Compress(input, level)), input) << input.size() << " at " << level;
}

TEST(ZlibStream, StoredStreamsAreReadByZlibAndByUs) {
  for (size_t size : {size_t(0), size_t(1), size_t(65535), size_t(65536), size_t(200001)}) {
    Bytes input = Sample(size, 2);
    Bytes stream = ZlibStore(input);
    Bytes back(size + 1);
    uLongf got = static_cast<uLongf>(back.size());
    ASSERT_EQ(uncompress(back.data(), &got, stream.data(), static_cast<uLong>(stream.size())), Z_OK)
        << size;
    back.resize(got);
    EXPECT_EQ(back, input) << size;
    EXPECT_EQ(Inflate(stream), input) << size;
  }
}

TEST(ZlibStream, Adler32AgreesWithZlibAcrossLongRuns) {
  Bytes input(100000, 0xFF);  // the worst case for the deferred modulo
  EXPECT_EQ(Adler32(input), adler32(1, input.data(), static_cast<uInt>(input.size())));
  Bytes sample = Sample(12345, 3);
  uint32_t split = Adler32(std::span(sample).subspan(5000), Adler32(std::span(sample).first(5000)));
  EXPECT_EQ(split, adler32(1, sample.data(), static_cast<uInt>(sample.size())));
}

TEST(ZlibStream, EachKindOfDamageStopsWithItsMessage) {
  Bytes good = Compress(Sample(5000, 4), 9);
  auto with = [&](size_t at, uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  Bytes badChecksum = good;
  badChecksum.back() ^= 0x80;
  Bytes dictionary = {0x78, 0xBB, 0, 0, 0, 1};  // FDICT set, check bits right
  struct Row {
    const char* what;
    Bytes stream;
    const char* message;
  } rows[] = {
      {"nothing", {}, kInflateTruncated},
      {"one header byte", {0x78}, kInflateTruncated},
      {"method 7", with(0, 0x77), kZlibBadHeader},
      {"window of 64 KB", {0x88, 0x1C, 0x03, 0x00, 0, 0, 0, 1}, kZlibBadHeader},
      {"check bits wrong", with(1, good[1] ^ 1), kZlibBadHeader},
      {"preset dictionary", dictionary, kZlibPresetDictionary},
      {"checksum", badChecksum, kZlibBadChecksum},
      {"no checksum", Bytes(good.begin(), good.end() - 4), kInflateTruncated},
      {"half a checksum", Bytes(good.begin(), good.end() - 2), kInflateTruncated},
  };
  for (const Row& row : rows) EXPECT_EQ(ErrorOf(row.stream), row.message) << row.what;
}

TEST(ZlibStream, EveryPrefixIsRefused) {
  Bytes good = Compress(Sample(3000, 5), 6);
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_NE(ErrorOf(Bytes(good.begin(), good.begin() + n)), "no error") << n;
}

}  // namespace
}  // namespace kestrova
