// installation_probe SOURCE NAME OPTION_BITS 0|1: runs one installation in a
// process of its own, so that a test can choose the Windows version Wine
// reports to it, and exits with the outcome's number.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "installer/installation.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: installation_probe SOURCE NAME OPTION_BITS 0|1\n");
    return 100;
  }
  // The test wrote SOURCE whole, as a finished extraction would have.
  kestrova::InstallRequest request{argv[1], argv[2], argv[3], std::strcmp(argv[4], "1") == 0, true};
  return static_cast<int>(kestrova::InstallScreensaver(request));
}
