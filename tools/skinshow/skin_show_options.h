// The skin show's command line:
//
//   KestrovaSkinShow [--style MacOS|WinXP|DeepBlue|Protein|BlueGlass]
//                    [--skin FILE [--password P]] [--screenshot OUT.png] [--help]
#pragma once

#include <string>

#include "skin/style_table.h"

namespace kestrova::skinshow {

struct Options {
  skin::TsuiUIStyle style = skin::TsuiUIStyle::MacOS;
  std::string skin;        // a skin file: every component then draws from it
  std::string password;    // the skin's password, if it has one
  std::string screenshot;  // write the window here after its first paint, then end
};

// Reads the command line into `options`, or ends the program the way every
// tool does (kestrova::cli::Run): `run` is called with the options read.
int RunWithOptions(int argc, char** argv, int (*run)(const Options& options));

}  // namespace kestrova::skinshow
