// Feeds arbitrary bytes as an installer file through the extraction (both
// trailers), and checks that nothing is read from outside the file and that
// the extracted files never exceed what the input holds.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "common/error.h"
#include "installer/payload.h"

namespace {

std::string ScratchDirectory() {
  static const std::string dir = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("kestrova-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    setenv("TMPDIR", path.c_str(), 1);
    return path.string();
  }();
  return dir;
}

uintmax_t SizeOf(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string dir = ScratchDirectory();
  std::string input = dir + "/input.exe";
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  kestrova::ScrTempFile.clear();
  kestrova::SwfTempFile.clear();
  try {
    kestrova::ExtractScreensaver(input);
    if (SizeOf(kestrova::ScrTempFile) + 260 > size) __builtin_trap();
    if (SizeOf(kestrova::SwfTempFile) > SizeOf(kestrova::ScrTempFile)) __builtin_trap();
  } catch (const kestrova::Error&) {
  }
  for (const auto* path : {&kestrova::ScrTempFile, &kestrova::SwfTempFile})
    if (!path->empty()) std::remove(path->c_str());
  return 0;
}
