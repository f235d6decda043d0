// kestrova-mkskin: builds a skin file from a folder, or lists one.
//
//   kestrova-mkskin FOLDER OUTPUT [--password P] [--level 0-9]
//   kestrova-mkskin --list FILE [--password P]
//
// The folder's layout is in skin_folder.h. --list loads the file as the
// skin engine does and prints "loaded: true|false", then every entry list
// by list: "picture NAME WxH", "integer NAME=VALUE", "flag NAME=VALUE",
// "text NAME=VALUE".
#include <cstdio>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/error.h"
#include "skin/filetheme/skin_file_reader.h"
#include "tools/mkskin/skin_folder.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {
namespace {

struct Options {
  bool list = false;
  std::vector<std::string> paths;
  std::string password;
  int level = 9;
};

constexpr const char* kUsage =
    "usage: kestrova-mkskin FOLDER OUTPUT [--password P] [--level 0-9]\n"
    "       kestrova-mkskin --list FILE [--password P]\n";

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--list") {
      options.list = true;
    } else if ((arg == "--password" || arg == "--level") && i + 1 < argc) {
      std::string value = argv[++i];
      if (arg == "--password") options.password = value;
      if (arg == "--level" && (value.size() != 1 || value[0] < '0' || value[0] > '9'))
        throw Error(std::string("--level takes 0 to 9\n") + kUsage);
      if (arg == "--level") options.level = value[0] - '0';
    } else if (arg.starts_with("--")) {
      throw Error(std::string("unknown option ") + arg + "\n" + kUsage);
    } else {
      options.paths.push_back(arg);
    }
  }
  if (options.paths.size() != (options.list ? 1u : 2u)) throw Error(kUsage);
  return options;
}

int List(const Options& options) {
  Tsk2SkinFileReader skin(options.paths[0], options.password);
  std::printf("loaded: %s\n", skin.SkinLoaded() ? "true" : "false");
  for (const auto& [name, picture] : skin.Pictures())
    std::printf("picture %s %dx%d\n", name.c_str(), picture.Width(), picture.Height());
  for (const std::string& item : skin.Integers()) std::printf("integer %s\n", item.c_str());
  for (const std::string& item : skin.Flags()) std::printf("flag %s\n", item.c_str());
  for (const std::string& item : skin.Texts()) std::printf("text %s\n", item.c_str());
  return 0;
}

int Build(const Options& options) {
  ZipMemberInput member;
  member.name = kSkinMemberName;
  member.data = BuildSkinData(ReadSkinFolder(options.paths[0]));
  member.level = options.level;
  member.password = options.password;
  std::vector<uint8_t> file = BuildZip({"SK", "", {member}});
  AtomicFile out(options.paths[1]);  // a failed run never leaves a half-written skin
  out.Write(file.data(), file.size());
  out.Commit();
  return 0;
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  try {
    kestrova::Options options = kestrova::ParseOptions(argc, argv);
    return options.list ? kestrova::List(options) : kestrova::Build(options);
  } catch (const std::exception& e) {
    std::printf("error: %s\n", e.what());
    return 1;
  }
}
