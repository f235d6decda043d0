// Feeds arbitrary bytes as a skin file to the skin file reader, with and
// without a password: it must end with a skin, without one, or with an
// Error, and never crash, leak or leave its temporary file behind.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/error.h"
#include "skin/filetheme/skin_file_reader.h"

namespace {

namespace fs = std::filesystem;

const fs::path& ScratchDirectory() {
  static const fs::path dir = [] {
    fs::path path = fs::temp_directory_path() / ("kestrova-fuzz-skin-" + std::to_string(getpid()));
    fs::create_directories(path / "temp");
    setenv("TMPDIR", (path / "temp").c_str(), 1);
    return path;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& dir = ScratchDirectory();
  std::string file = (dir / "input.skn").string();
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  for (const char* password : {"", "secret"}) {
    try {
      kestrova::Tsk2SkinFileReader skin(file, password);
      for (const auto& picture : skin.Pictures())
        if (picture.second.Empty()) std::abort();
    } catch (const kestrova::Error&) {
    }
    if (!fs::is_empty(dir / "temp")) std::abort();
  }
  return 0;
}
