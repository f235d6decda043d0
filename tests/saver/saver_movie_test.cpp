// The screensaver's own movie, read from the trailer at the end of its file
// as the packer writes it, and the facts the settings dialog shows.
#include "saver/saver_movie.h"

#include <gtest/gtest.h>

#include "installer/payload_writer.h"
#include "movie/swf/writer.h"
#include "tests/testing/temp_dir.h"

namespace kestrova::saver {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::Int32;
using testing::Text;

Bytes SmallMovie(float rate, bool compress) {
  swf::SwfWriter swf(8, {{0}, swf::Twips::FromPixels(320), {0}, swf::Twips::FromPixels(240)}, rate);
  swf.Tag(swf::tag::kSetBackgroundColor, {10, 20, 30});
  swf.ShowFrame();
  swf.ShowFrame();
  return swf.Finish(compress);
}

class SaverMovieTest : public ::testing::Test {
 protected:
  std::string Put(const std::string& name, const Bytes& bytes) {
    std::string path = dir_.File(name);
    testing::WriteFile(path, bytes);
    return path;
  }
  // A screensaver as kestrova-pack --attach-movie makes it.
  std::string Saver(const std::string& name, const Bytes& movie) {
    std::string out = dir_.File(name);
    AttachMovie(Put("code.scr", Text("MZ screensaver code")), Put("movie.swf", movie), out);
    return out;
  }
  testing::TempDir dir_;
};

TEST_F(SaverMovieTest, ReadsTheMovieTheDialogDescribes) {
  for (bool compress : {false, true}) {
    std::string path = Saver("Waves.scr", SmallMovie(25, compress));
    SaverMovie own = ReadOwnMovie(path);
    ASSERT_TRUE(own.movie) << own.problem;
    EXPECT_EQ(own.movie->background, Pixel(0xFF0A141E));
    EXPECT_EQ(own.movie->root.frames.size(), 2u);
    MovieFacts facts = DescribeMovie(path, own);
    EXPECT_EQ(facts.name, "Waves");
    EXPECT_EQ(facts.size, "320 x 240 pixels");
    EXPECT_EQ(facts.rate, "25 frames per second");
    EXPECT_EQ(facts.problem, "");
  }
}

TEST_F(SaverMovieTest, RatesAndNames) {
  std::string path = Saver("My.Saver.scr", SmallMovie(12.5f, false));
  EXPECT_EQ(DescribeMovie(path, ReadOwnMovie(path)).rate, "12.5 frames per second");
  EXPECT_EQ(DescribeMovie(path, ReadOwnMovie(path)).name, "My.Saver");
  path = Saver("c.scr", SmallMovie(0, false));
  EXPECT_EQ(DescribeMovie(path, ReadOwnMovie(path)).rate,
            "not set (played at 12 frames per second)");
  EXPECT_EQ(DescribeMovie("C:\\Windows\\System32\\Plain", {}).name, "Plain");
}

// No movie, a damaged one, a trailer pointing outside the file: never an
// error raised, always a reason, and no movie to play (a black screen).
TEST_F(SaverMovieTest, MissingOrDamagedMoviesGiveAReason) {
  Bytes movie = SmallMovie(25, true);
  Bytes damaged = movie;
  for (size_t i = 8; i < damaged.size(); ++i) damaged[i] ^= 0x5A;  // the zlib stream
  struct Case {
    const char* what;
    std::string path;
    const char* reason;
  } cases[] = {
      {"no trailer", Put("plain.scr", Text("MZ")), "too short"},
      {"length past the start", Put("long.scr", Concat({Text("MZ code"), Int32(1000), {0}})),
       "carries no movie"},
      {"length below 4", Put("short.scr", Concat({Text("MZ code"), Int32(3), {0}})),
       "carries no movie"},
      {"not a movie", Saver("text.scr", Text("hello, world")), "not a SWF movie"},
      {"corrupt zlib data", Saver("corrupt.scr", damaged), "corrupt"},
      {"missing file", dir_.File("nothing.scr"), "cannot open"},
  };
  for (const Case& c : cases) {
    SaverMovie own = ReadOwnMovie(c.path);
    EXPECT_FALSE(own.movie) << c.what;
    EXPECT_NE(own.problem.find(c.reason), std::string::npos) << c.what << ": " << own.problem;
    MovieFacts facts = DescribeMovie(c.path, own);
    EXPECT_EQ(facts.size, "none") << c.what;
    EXPECT_EQ(facts.problem, own.problem) << c.what;
  }
}

}  // namespace
}  // namespace kestrova::saver
