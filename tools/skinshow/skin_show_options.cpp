#include "tools/skinshow/skin_show_options.h"

#include <map>
#include <string>
#include <vector>

#include "tools/cli/command_line.h"

namespace kestrova::skinshow {

namespace {

using skin::TsuiUIStyle;

constexpr const char* kDescription =
    "Shows a skinned form (menu bar, buttons, check boxes, title bar) in one of the\n"
    "built-in styles or drawn from a skin file.";

const std::map<std::string, TsuiUIStyle> kStyles = {{"MacOS", TsuiUIStyle::MacOS},
                                                    {"WinXP", TsuiUIStyle::WinXP},
                                                    {"DeepBlue", TsuiUIStyle::DeepBlue},
                                                    {"Protein", TsuiUIStyle::Protein},
                                                    {"BlueGlass", TsuiUIStyle::BlueGlass}};

}  // namespace

int RunWithOptions(int argc, char** argv, int (*run)(const Options& options)) {
  CLI::App app(kDescription, "KestrovaSkinShow");
  Options o;
  std::string style = "MacOS";
  std::vector<std::string> names;
  for (const auto& [name, value] : kStyles) names.push_back(name);
  app.add_option("--style", style, "the built-in style (default MacOS)")
      ->type_name("MacOS|WinXP|DeepBlue|Protein|BlueGlass")
      ->check(CLI::IsMember(names).description(""));
  auto* skinFile = app.add_option("--skin", o.skin, "draw every component from this skin file")
                       ->type_name("FILE");
  app.add_option("--password", o.password, "the skin file's password")
      ->type_name("P")
      ->needs(skinFile);
  app.add_option("--screenshot", o.screenshot,
                 "write the whole window as a PNG after its first paint, then end")
      ->type_name("OUT.png");
  return cli::Run(app, argc, argv, [&] {
    o.style = kStyles.at(style);
    return run(o);
  });
}

}  // namespace kestrova::skinshow
