// kestrova-pack: builds an installer from a stub and a screensaver, attaches
// a movie to a screensaver, and lists what an installer or screensaver holds.
#include <cstdio>
#include <cstring>
#include <string>

#include "common/error.h"
#include "installer/payload.h"
#include "installer/payload_writer.h"
#include "installer/trailer_reader.h"
#include "tools/cli/command_line.h"

namespace {

constexpr const char* kDescription =
    "Builds an installer from a stub and a screensaver, attaches a movie to a screensaver, or\n"
    "lists what an installer (or, with --movie, a screensaver) carries:\n"
    "  kestrova-pack --stub KestrovaSetup.exe --screensaver Waves.scr [--name Waves.scr]\n"
    "                [--options 0..255] -o WavesSetup.exe\n"
    "  kestrova-pack --attach-movie movie.swf --screensaver in.scr -o out.scr\n"
    "  kestrova-pack --list FILE [--movie]";

struct Options {
  std::string stub, screensaver, name, out, movie, list;
  int option = 0;
  bool listMovie = false;
};

// The option byte as the user typed it: a plain decimal number.
std::string OptionByteError(const std::string& text) {
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < 0 || value > 255)
    return "must be a number from 0 to 255, not \"" + text + "\"";
  return "";
}

void AddOptions(CLI::App& app, Options& o) {
  app.add_option("--stub", o.stub, "the installer stub, KestrovaSetup.exe")->type_name("FILE");
  app.add_option("--screensaver", o.screensaver, "the screensaver to pack or to give a movie")
      ->type_name("FILE");
  app.add_option("--name", o.name, "the name it installs under (default: its own file name)")
      ->type_name("NAME");
  app.add_option("--options", o.option, "the option byte (default 0)")
      ->type_name("N")
      ->check(CLI::Validator(OptionByteError, "0..255"));
  app.add_option("-o,--output", o.out, "the file to write")->type_name("FILE");
  auto* movie = app.add_option("--attach-movie", o.movie, "the movie to append to the screensaver")
                    ->type_name("FILE");
  auto* list = app.add_option("--list", o.list, "the installer or screensaver to describe")
                   ->type_name("FILE");
  app.add_flag("--movie", o.listMovie, "with --list: read FILE as a screensaver")->needs(list);
  list->excludes(movie)->excludes("--stub")->excludes("--screensaver")->excludes("-o");
  movie->excludes("--stub")->excludes("--name")->excludes("--options");
}

std::string BaseName(const std::string& path) {
  auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int List(const std::string& path, bool movie) {
  try {
    kestrova::TrailerReader reader(path);
    if (movie) {
      std::printf("movie-bytes: %llu\n", static_cast<unsigned long long>(reader.MovieSpan().size));
      return 0;
    }
    std::string options = kestrova::ByteToBitString(reader.OptionByte());
    std::string name = reader.FileName();
    auto span = reader.ScreensaverSpan();
    std::printf("name: %s\noptions: %s\nscreensaver-bytes: %llu\n", name.c_str(), options.c_str(),
                static_cast<unsigned long long>(span.size));
    std::string movieSize = "none";
    try {
      movieSize = std::to_string(reader.MovieSpan(span).size);
    } catch (const kestrova::Error&) {
      // A screensaver without a movie still installs; say so, not fail.
    }
    std::printf("movie-bytes: %s\n", movieSize.c_str());
    return 0;
  } catch (const kestrova::Error& e) {
    std::printf("error: %s\n", e.what());
    return 1;
  }
}

int Pack(const Options& o) {
  if (!o.list.empty()) return List(o.list, o.listMovie);
  if (o.out.empty()) kestrova::cli::Require("-o");
  if (o.screensaver.empty()) kestrova::cli::Require("--screensaver");
  if (!o.movie.empty()) {
    kestrova::AttachMovie(o.screensaver, o.movie, o.out);
    return 0;
  }
  if (o.stub.empty()) kestrova::cli::Require("--stub");
  std::string name = o.name.empty() ? BaseName(o.screensaver) : o.name;
  kestrova::WriteInstaller(o.stub, o.screensaver, name, static_cast<uint8_t>(o.option), o.out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(kDescription, "kestrova-pack");
  Options options;
  AddOptions(app, options);
  return kestrova::cli::Run(app, argc, argv, [&] { return Pack(options); });
}
