// The command-line conventions every tool shares, over CLI11:
//
//   CLI::App app("Builds a foo from a bar.", "kestrova-foo");
//   app.add_option("BAR", bar, "the bar")->required();
//   return kestrova::cli::Run(app, argc, argv, [&] { return MakeFoo(bar); });
//
// --help and -h print the usage on standard output and end with status 0,
// before anything is written. A usage error (unknown option, missing or bad
// argument, or a CLI::ParseError the body throws for checks CLI11 cannot
// express) prints one line "kestrova-foo: ..." on standard error and ends
// with status 2. Any other exception from the body prints one line the same
// way and ends with status 1.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace kestrova::cli {

int Run(CLI::App& app, int argc, char** argv, const std::function<int()>& body);

// The usage of a check CLI11 cannot express: "NAME is required".
[[noreturn]] void Require(const std::string& name);

}  // namespace kestrova::cli
