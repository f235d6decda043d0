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

#include "common/atomic_file.h"
#include "common/error.h"
#include "skin/filetheme/skin_file_reader.h"
#include "tools/cli/command_line.h"
#include "tools/mkskin/skin_folder.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {
namespace {

struct Options {
  bool list = false;
  std::string input, output, password;
  int level = 9;
};

constexpr const char* kDescription =
    "Builds a skin file from a folder of pictures and a text file, or lists one:\n"
    "  kestrova-mkskin FOLDER OUTPUT [--password P] [--level 0-9]\n"
    "  kestrova-mkskin --list FILE [--password P]";

void AddOptions(CLI::App& app, Options& o) {
  app.add_option("INPUT", o.input, "the folder to build from, or with --list the skin file")
      ->type_name("")
      ->required();
  app.add_option("OUTPUT", o.output, "the skin file to write")->type_name("");
  auto* list = app.add_flag("--list", o.list, "show what the skin file holds");
  app.add_option("--password", o.password, "encrypt (or, with --list, decrypt) with P")
      ->type_name("P");
  app.add_option("--level", o.level, "deflate level (default 9)")
      ->type_name("N")
      ->check(CLI::Range(0, 9).description("0..9"))
      ->excludes(list);
}

// A listing answers on standard output, a failure too: "error: ..." and status 1.
int List(const Options& options) try {
  if (!options.output.empty()) throw CLI::ExtrasError({options.output});
  Tsk2SkinFileReader skin(options.input, options.password);
  std::printf("loaded: %s\n", skin.SkinLoaded() ? "true" : "false");
  for (const auto& [name, picture] : skin.Pictures())
    std::printf("picture %s %dx%d\n", name.c_str(), picture.Width(), picture.Height());
  for (const std::string& item : skin.Integers()) std::printf("integer %s\n", item.c_str());
  for (const std::string& item : skin.Flags()) std::printf("flag %s\n", item.c_str());
  for (const std::string& item : skin.Texts()) std::printf("text %s\n", item.c_str());
  return 0;
} catch (const Error& e) {
  std::printf("error: %s\n", e.what());
  return 1;
}

int Build(const Options& options) {
  if (options.output.empty()) cli::Require("OUTPUT");
  ZipMemberInput member;
  member.name = kSkinMemberName;
  member.data = BuildSkinData(ReadSkinFolder(options.input));
  member.level = options.level;
  member.password = options.password;
  std::vector<uint8_t> file = BuildZip({"SK", "", {member}});
  AtomicFile out(options.output);  // a failed run never leaves a half-written skin
  out.Write(file.data(), file.size());
  out.Commit();
  return 0;
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  CLI::App app(kestrova::kDescription, "kestrova-mkskin");
  kestrova::Options o;
  kestrova::AddOptions(app, o);
  return kestrova::cli::Run(app, argc, argv,
                            [&] { return o.list ? kestrova::List(o) : kestrova::Build(o); });
}
