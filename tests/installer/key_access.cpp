// key_access read-only|writable KEY: makes a key of the current user's
// registry readable only, or writable again, for the end-to-end run. Wine
// recreates some keys (such as "Control Panel\Desktop") whenever a program
// starts, so a key cannot be kept missing between two programs; a read-only
// key fails the same way for a program that needs to write it.
#include <cstdio>
#include <cstring>

#include "common/error.h"
#include "tests/installer/registry_state.h"

int main(int argc, char** argv) {
  bool readOnly = argc == 3 && std::strcmp(argv[1], "read-only") == 0;
  if (argc != 3 || (!readOnly && std::strcmp(argv[1], "writable") != 0)) {
    std::fprintf(stderr, "usage: key_access read-only|writable KEY\n");
    return 2;
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, argv[2], 0, READ_CONTROL | WRITE_DAC, &key) !=
      ERROR_SUCCESS) {
    std::fprintf(stderr, "key_access: cannot open %s\n", argv[2]);
    return 1;
  }
  int status = 0;
  try {
    kestrova::testing::SetEveryoneKeyAccess(
        key, readOnly ? KEY_READ | READ_CONTROL | WRITE_DAC : KEY_ALL_ACCESS);
  } catch (const kestrova::Error& e) {
    std::fprintf(stderr, "key_access: %s\n", e.what());
    status = 1;
  }
  RegCloseKey(key);
  return status;
}
