// kestrova-swf2png MOVIE.swf [--frame N] [--size WxH] [--mouse X,Y
// [--press]] -o OUT.png
// Renders frame N (1-based: N-1 frames of playback after loading; default
// 1) at WxH (default: the stage size), "show all", and writes a PNG. With
// --mouse the mouse is then moved to stage pixel X,Y (and pressed there).
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/error.h"
#include "common/png.h"
#include "movie/avm1/runtime.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tools/cli/command_line.h"

namespace {

constexpr const char* kDescription =
    "Renders frame N of a movie with the built-in player, \"show all\", and writes a PNG.";

struct Options {
  std::string input, output, size;
  long frame = 1;
  bool scripts = false;
  std::vector<int> mouse;  // stage pixels x, y
  bool press = false;
};

bool ParseSize(const std::string& text, int& width, int& height) {
  char rest = 0;
  return std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &rest) == 2 && width > 0 &&
         height > 0 && width <= 16384 && height <= 16384;
}

std::string SizeError(const std::string& text) {
  int width = 0, height = 0;
  return ParseSize(text, width, height) ? "" : "must be WxH, each 1 to 16384, not \"" + text + "\"";
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

int Render(const Options& o) {
  using namespace kestrova;
  int width = 0, height = 0;
  if (!o.size.empty()) ParseSize(o.size, width, height);
  auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie(o.input));
  for (const std::string& warning : movie->warnings)
    std::fprintf(stderr, "kestrova-swf2png: warning: %s\n", warning.c_str());
  if (width == 0) {
    width = std::max(1, static_cast<int>(std::lround(movie->header.stage.Width().Pixels())));
    height = std::max(1, static_cast<int>(std::lround(movie->header.stage.Height().Pixels())));
  }
  std::unique_ptr<avm1::Runtime> runtime;
  std::unique_ptr<movie::Player> plain;
  if (o.scripts) {
    avm1::RuntimeOutput output;
    output.warn = [](const std::string& w) {
      std::fprintf(stderr, "kestrova-swf2png: %s\n", w.c_str());
    };
    runtime = std::make_unique<avm1::Runtime>(movie, std::move(output));
  } else {
    plain = std::make_unique<movie::Player>(movie);
  }
  movie::Player& player = runtime ? runtime->Player() : *plain;
  for (long f = 1; f < o.frame; ++f) {
    if (runtime)
      runtime->Advance();
    else
      player.Advance();
  }
  if (o.mouse.size() == 2) {
    const swf::TwipsPoint at{swf::Twips::FromPixels(o.mouse[0]),
                             swf::Twips::FromPixels(o.mouse[1])};
    player.MouseMove(at);
    if (o.press) player.MouseDown(at);
  }
  PixelBuffer pixels(width, height);
  movie::Renderer(movie).Render(player, pixels.View());
  Unpremultiply(pixels);
  WritePng(o.output, pixels.View());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(kDescription, "kestrova-swf2png");
  Options o;
  app.add_option("MOVIE", o.input, "the movie, FWS or CWS")->type_name("")->required();
  app.add_option("--frame", o.frame,
                 "1 is the first frame; N is N-1 frames of playback (default 1)")
      ->type_name("N")
      ->check(CLI::Range(1L, 100000L).description("1..100000"));
  app.add_option("--size", o.size, "the picture's size (default: the stage size)")
      ->type_name("WxH")
      ->check(CLI::Validator(SizeError, ""));
  app.add_flag("--scripts", o.scripts, "run the movie's ActionScript, as the preview does");
  app.add_option("--mouse", o.mouse, "move the mouse to stage pixel X,Y after playback")
      ->type_name("X,Y")
      ->delimiter(',')
      ->expected(2);
  app.add_flag("--press", o.press, "press the mouse button there");
  app.add_option("-o,--output", o.output, "the PNG file to write")->type_name("FILE")->required();
  return kestrova::cli::Run(app, argc, argv, [&] { return Render(o); });
}
