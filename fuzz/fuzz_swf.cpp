// Feeds arbitrary bytes to the SWF decoder, then plays (and draws) a few
// frames of whatever it accepted: no input may crash, hang or read out of
// bounds; only SwfError may come out of the decoder.
#include <cstdint>
#include <memory>

#include "movie/player/player.h"
#include "movie/swf/decoder.h"
#include "movie/swf/swf_error.h"
#if KESTROVA_FUZZ_RENDER
#include "movie/player/renderer.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrova;
  std::shared_ptr<const swf::Movie> movie;
  try {
    movie = std::make_shared<const swf::Movie>(swf::DecodeMovie({data, size}));
  } catch (const swf::SwfError&) {
    return 0;
  }
  movie::Player player(movie);
#if KESTROVA_FUZZ_RENDER
  movie::Renderer renderer(movie);
  PixelBuffer target(48, 32);
#endif
  for (int frame = 0; frame < 4; ++frame) {
#if KESTROVA_FUZZ_RENDER
    renderer.Render(player, target.View());
#endif
    player.Advance();
  }
  return 0;
}
