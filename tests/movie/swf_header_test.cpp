// Header faults: one message per kind, and a movie read the same from FWS
// and CWS.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "movie/swf/decoder.h"
#include "movie/swf/swf_error.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/testing/temp_dir.h"

namespace kestrova::swf {
namespace {

using testing::Bytes;

std::string ErrorOf(const Bytes& bytes) {
  try {
    DecodeMovie(bytes);
  } catch (const SwfError& e) {
    return e.what();
  }
  return "no error";
}

Bytes Prefix(const char* signature, uint32_t length) {
  Bytes b(signature, signature + 3);
  b.push_back(8);
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(length >> (8 * i)));
  return b;
}

TEST(SwfHeader, EachFaultHasItsMessage) {
  struct Row {
    Bytes input;
    const char* message;
  } rows[] = {
      {{}, "truncated header"},
      {{'F', 'W'}, "truncated header"},
      {{'F', 'W', 'S', 8, 0}, "truncated header"},
      {Prefix("GIF", 100), "not a SWF movie"},
      {Prefix("fws", 100), "not a SWF movie"},
      {Prefix("ZWS", 100), "unsupported compression (LZMA)"},
      {Prefix("FWS", 200u * 1024 * 1024), "movie too large"},
      {Prefix("FWS", 20), "truncated header"},  // no stage rectangle
      {kestrova::testing::Concat({Prefix("CWS", 100), {0x78, 0x9C, 0xFF, 0xFF, 0xFF}}),
       "compressed data is corrupt (inflate: unexpected end of data)"},
      {kestrova::testing::Concat({Prefix("CWS", 100), {0x78, 0x9D, 0x03, 0x00}}),
       "compressed data is corrupt (zlib: bad header)"},
  };
  for (const Row& row : rows) EXPECT_EQ(ErrorOf(row.input), row.message) << row.message;
}

TEST(SwfHeader, ReadsStageRateCountAndBackground) {
  auto swf = testing::RectangleMovie();
  swf.ShowFrame();
  swf.ShowFrame();
  for (bool compressed : {false, true}) {
    Movie movie = DecodeMovie(swf.Finish(compressed));
    EXPECT_EQ(movie.header.compressed, compressed);
    EXPECT_EQ(movie.header.version, 8);
    EXPECT_EQ(movie.header.stage.Width(), Twips::FromPixels(200));
    EXPECT_EQ(movie.header.stage.Height(), Twips::FromPixels(100));
    EXPECT_FLOAT_EQ(movie.header.frameRate, 12);
    EXPECT_EQ(movie.header.frameCount, 2);
    EXPECT_EQ(movie.root.frames.size(), 2u);
    EXPECT_EQ(movie.background, MakePixel(0x11, 0x22, 0x33));
    EXPECT_TRUE(movie.warnings.empty());
  }
}

// A compressed body is only read once its stream ends with the right
// checksum: a cut or damaged download is refused, not half played.
TEST(SwfHeader, CompressedBodyMustBeWholeAndMatchItsChecksum) {
  auto swf = testing::RectangleMovie();
  swf.ShowFrame();
  Bytes whole = swf.Finish(true);
  Bytes cut(whole.begin(), whole.end() - 1);
  EXPECT_EQ(ErrorOf(cut), "compressed data is corrupt (inflate: unexpected end of data)");
  Bytes damaged = whole;
  damaged[damaged.size() - 6] ^= 0x01;  // a stored byte of the tag stream
  EXPECT_EQ(ErrorOf(damaged), "compressed data is corrupt (zlib: Adler-32 checksum mismatch)");
}

TEST(SwfHeader, FilesThatCannotBePlayed) {
  EXPECT_THROW(LoadMovie("/nonexistent/movie.swf"), SwfError);
  kestrova::testing::TempDir dir;
  std::string huge = dir.File("huge.swf");
  kestrova::testing::WriteFile(huge, Prefix("FWS", 100));
  std::filesystem::resize_file(huge, uint64_t(kMaxMovieBytes) + 1);  // sparse: nothing written
  try {
    LoadMovie(huge);
    ADD_FAILURE() << "no error";
  } catch (const SwfError& e) {
    EXPECT_STREQ(e.what(), "movie too large");
  }
}

}  // namespace
}  // namespace kestrova::swf
