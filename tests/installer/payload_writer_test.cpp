#include "installer/payload_writer.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "common/os_services.h"
#include "installer/payload.h"
#include "installer/trailer_reader.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using testing::Bytes;
using testing::Text;

class WriterTest : public ::testing::Test {
 protected:
  std::string Put(const std::string& name, const Bytes& bytes) {
    std::string path = dir_.File(name);
    testing::WriteFile(path, bytes);
    return path;
  }
  testing::TempDir dir_;
};

TEST_F(WriterTest, InstallerRoundTripsThroughTheReader) {
  std::string movie = Put("m.swf", Text("FWS..."));
  std::string scr = Put("in.scr", Text("MZ code"));
  std::string withMovie = dir_.File("Waves.scr");
  AttachMovie(scr, movie, withMovie);
  std::string out = dir_.File("setup.exe");
  WriteInstaller(Put("stub.exe", Text("MZ stub")), withMovie, "Waves.scr", 200, out);

  TrailerReader reader(out);
  EXPECT_EQ(reader.OptionByte(), 200);
  EXPECT_EQ(reader.FileName(), "Waves.scr");
  ByteSpan span = reader.ScreensaverSpan();
  EXPECT_EQ(span.offset, 7u);
  EXPECT_EQ(span.size, testing::ReadFile(withMovie).size());
  EXPECT_EQ(reader.MovieSpan(span).size, 6u);
  EXPECT_EQ(reader.FileSize(), 7 + span.size + 260);
}

TEST_F(WriterTest, RejectsNamesThatAreNotPlainFileNames) {
  std::string stub = Put("stub.exe", Text("MZ"));
  std::string scr = Put("a.scr", Text("MZ"));
  const std::string bad[] = {
      "", ".", "..", "a\\b.scr", "a/b.scr", "c:x.scr", std::string("a\tb"), std::string(256, 'x')};
  for (const auto& name : bad) {
    EXPECT_THROW(WriteInstaller(stub, scr, name, 0, dir_.File("o.exe")), Error) << name;
    EXPECT_FALSE(os::FileExists(dir_.File("o.exe")));
  }
  EXPECT_NO_THROW(WriteInstaller(stub, scr, std::string(255, 'x'), 0, dir_.File("o.exe")));
}

TEST_F(WriterTest, FailedRunLeavesExistingOutputUntouched) {
  std::string out = Put("setup.exe", Text("previous installer"));
  EXPECT_THROW(WriteInstaller(dir_.File("nostub.exe"), out, "a.scr", 0, out), Error);
  EXPECT_THROW(AttachMovie(out, dir_.File("missing.swf"), out), Error);
  EXPECT_EQ(testing::ReadFile(out), Text("previous installer"));
  EXPECT_FALSE(os::FileExists(out + ".partial"));
}

}  // namespace
}  // namespace kestrova
