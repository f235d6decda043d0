// One way to parse, print help and end for every tool (see the header).
#include "tools/cli/command_line.h"

#include <cstdio>
#include <memory>
#include <string>

namespace kestrova::cli {
namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

// A message on one line, whatever the exception's text holds.
int Fail(const CLI::App& app, std::string message, int status) {
  for (char& c : message)
    if (c == '\n' || c == '\r') c = ' ';
  while (!message.empty() && message.back() == ' ') message.pop_back();
  std::fprintf(stderr, "%s: %s\n", app.get_name().c_str(), message.c_str());
  return status;
}

// Option lines show the value's kind only; which options go together is
// said in the description, in the tool's own words.
class Formatter : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string type = option->get_type_name();
    return type.empty() || option->get_items_expected_max() == 0 ? "" : " " + type;
  }
};

int UsageError(const CLI::App& app, const CLI::ParseError& e) {
  return Fail(app, std::string(e.what()) + " (see --help)", kUsageError);
}

}  // namespace

int Run(CLI::App& app, int argc, char** argv, const std::function<int()>& body) {
  // The same spelling on every platform: "/x" is a path, not an option.
  app.allow_windows_style_options(false);
  app.formatter(std::make_shared<Formatter>());
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app.help().c_str(), stdout);
    return 0;
  } catch (const CLI::ParseError& e) {
    // CLI11 checks required arguments before unknown ones; the unknown
    // option is what the user got wrong.
    if (!app.remaining().empty()) return UsageError(app, CLI::ExtrasError(app.remaining()));
    return UsageError(app, e);
  }
  try {
    return body();
  } catch (const CLI::ParseError& e) {
    return UsageError(app, e);
  } catch (const std::exception& e) {
    return Fail(app, e.what(), kFailure);
  }
}

void Require(const std::string& name) { throw CLI::RequiredError(name); }

}  // namespace kestrova::cli
