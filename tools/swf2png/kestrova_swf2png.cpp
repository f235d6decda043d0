// kestrova-swf2png MOVIE.swf [--frame N] [--size WxH] -o OUT.png
// Renders frame N (1-based: N-1 frames of playback after loading; default
// 1) at WxH (default: the stage size), "show all", and writes a PNG.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/error.h"
#include "common/png.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: kestrova-swf2png MOVIE.swf [--frame N] [--size WxH] -o OUT.png\n");
  return 2;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  return std::sscanf(text.c_str(), "%dx%d", &width, &height) == 2 && width > 0 && height > 0 &&
         width <= 16384 && height <= 16384;
}

// Premultiplied pixels to straight ones for the PNG.
void Unpremultiply(kestrova::PixelBuffer& pixels) {
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x) {
      kestrova::Pixel p = pixels.At(x, y);
      unsigned a = kestrova::PixelA(p);
      if (a == 0 || a == 255) continue;
      auto un = [a](unsigned c) {
        return static_cast<uint8_t>(std::min(255u, (c * 255 + a / 2) / a));
      };
      pixels.At(x, y) = kestrova::MakePixel(un(kestrova::PixelR(p)), un(kestrova::PixelG(p)),
                                            un(kestrova::PixelB(p)), a);
    }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrova;
  std::string input, output;
  long frame = 1;
  int width = 0, height = 0;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--frame" && i + 1 < argc) {
      frame = std::strtol(argv[++i], nullptr, 10);
      if (frame < 1 || frame > 100000) return Usage();
    } else if (arg == "--size" && i + 1 < argc) {
      if (!ParseSize(argv[++i], width, height)) return Usage();
    } else if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && input.empty()) {
      input = arg;
    } else {
      return Usage();
    }
  }
  if (input.empty() || output.empty()) return Usage();
  try {
    auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie(input));
    for (const std::string& warning : movie->warnings)
      std::fprintf(stderr, "kestrova-swf2png: warning: %s\n", warning.c_str());
    if (width == 0) {
      width = std::max(1, static_cast<int>(std::lround(movie->header.stage.Width().Pixels())));
      height = std::max(1, static_cast<int>(std::lround(movie->header.stage.Height().Pixels())));
    }
    movie::Player player(movie);
    for (long f = 1; f < frame; ++f) player.Advance();
    PixelBuffer pixels(width, height);
    movie::Renderer(movie).Render(player, pixels.View());
    Unpremultiply(pixels);
    WritePng(output, pixels.View());
  } catch (const Error& e) {
    std::fprintf(stderr, "kestrova-swf2png: %s\n", e.what());
    return 1;
  }
  return 0;
}
