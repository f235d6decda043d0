// kestrova-swftrace MOVIE.swf --frames N
// Runs a movie headless for N frames on its own clock (no sleeping) and
// prints every trace() line to standard output, nothing else there;
// warnings go to standard error. Stops after the frame that calls
// fscommand("quit"). Exit 0, 1 when the movie cannot be run, 2 for usage.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "common/error.h"
#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"

int main(int argc, char** argv) {
  using namespace kestrova;
  CLI::App app{"Runs a movie headless and prints its trace() output.", "kestrova-swftrace"};
  std::string input;
  long frames = 1;
  app.add_option("MOVIE", input, "the movie (.swf)")->required();
  app.add_option("--frames", frames, "frames to run (frame 1 is the first shown)")
      ->check(CLI::Range(1l, 10000000l));
  bool collectEveryFrame = false;
  app.add_flag("--collect-every-frame", collectEveryFrame,
               "collect the script heap after every frame (a check for the collector)");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    std::printf("%s", app.help().c_str());
    return 0;
  } catch (const CLI::ParseError& e) {
    std::fprintf(stderr, "kestrova-swftrace: %s\n", e.what());
    return 2;
  }
  try {
    auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie(input));
    for (const std::string& warning : movie->warnings)
      std::fprintf(stderr, "kestrova-swftrace: warning: %s\n", warning.c_str());
    avm1::RuntimeOutput output;
    output.trace = [](const std::string& line) {
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
    };
    output.warn = [](const std::string& message) {
      std::fprintf(stderr, "kestrova-swftrace: warning: %s\n", message.c_str());
    };
    avm1::Runtime runtime(
        movie, output,
        collectEveryFrame ? avm1::Collection::kEveryFrame : avm1::Collection::kWhenGrown);
    for (long f = 1; f < frames && !runtime.QuitRequested(); ++f) runtime.Advance();
  } catch (const Error& e) {
    std::fprintf(stderr, "kestrova-swftrace: %s\n", e.what());
    return 1;
  }
  return 0;
}
