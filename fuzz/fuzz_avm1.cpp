// Feeds arbitrary byte code to the ActionScript interpreter: the first
// byte picks the SWF version (4-8), the rest is the DoAction of two frames
// played for four. No input may crash, read out of bounds or hang past the
// interpreter's limits. The heap is collected after every frame, so an
// object the collector frees while scripts can still reach it shows up as
// a use after free.
#include <cstdint>
#include <memory>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "movie/swf/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrova;
  if (size < 1 || size > 4096) return 0;
  uint8_t version = static_cast<uint8_t>(4 + data[0] % 5);
  std::vector<uint8_t> code(data + 1, data + size);
  swf::SwfWriter swf(version, {{0}, {2000}, {0}, {2000}}, 12);
  for (int frame = 0; frame < 2; ++frame) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code));
    swf.ShowFrame();
  }
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  avm1::Runtime runtime(movie, {[](const std::string&) {}, [](const std::string&) {}},
                        avm1::Collection::kEveryFrame);
  for (int frame = 1; frame < 4 && !runtime.QuitRequested(); ++frame) runtime.Advance();
  return 0;
}
