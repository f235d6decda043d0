// kestrova-pack: builds an installer from a stub and a screensaver, attaches
// a movie to a screensaver, and lists what an installer or screensaver holds.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "common/error.h"
#include "installer/payload.h"
#include "installer/payload_writer.h"
#include "installer/trailer_reader.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  kestrova-pack --stub KestrovaSetup.exe --screensaver Waves.scr [--name Waves.scr]\n"
    "                [--options 0..255] -o WavesSetup.exe\n"
    "  kestrova-pack --attach-movie movie.swf --screensaver in.scr -o out.scr\n"
    "  kestrova-pack --list FILE [--movie]\n";

using Options = std::map<std::string, std::string>;

Options ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string key = argv[i];
    if (key == "--movie") {
      options[key] = "1";
    } else if (key == "--stub" || key == "--screensaver" || key == "--name" || key == "--options" ||
               key == "-o" || key == "--attach-movie" || key == "--list") {
      if (i + 1 >= argc) throw kestrova::Error(key + " needs a value");
      options[key] = argv[++i];
    } else {
      throw kestrova::Error("unknown argument \"" + key + "\"");
    }
  }
  return options;
}

std::string Required(const Options& options, const std::string& key) {
  auto it = options.find(key);
  if (it == options.end()) throw kestrova::Error("missing " + key);
  return it->second;
}

uint8_t ParseOption(const std::string& text) {
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < 0 || value > 255)
    throw kestrova::Error("--options must be a number from 0 to 255, not \"" + text + "\"");
  return static_cast<uint8_t>(value);
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

int Run(int argc, char** argv) {
  Options options = ParseArguments(argc, argv);
  if (options.count("--list")) return List(options["--list"], options.count("--movie") > 0);
  std::string out = Required(options, "-o");
  std::string screensaver = Required(options, "--screensaver");
  if (options.count("--attach-movie")) {
    kestrova::AttachMovie(screensaver, options["--attach-movie"], out);
    return 0;
  }
  std::string name = options.count("--name") ? options["--name"] : BaseName(screensaver);
  uint8_t option = options.count("--options") ? ParseOption(options["--options"]) : 0;
  kestrova::WriteInstaller(Required(options, "--stub"), screensaver, name, option, out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kestrova-pack: %s\n", e.what());
    return 1;
  }
}
