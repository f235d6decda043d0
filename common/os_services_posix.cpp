#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova::os {

std::string TempDirectory() {
  const char* dir = std::getenv("TMPDIR");
  return dir && *dir ? dir : "/tmp";
}

std::string CreateUniqueTempFile(const std::string& directory, const std::string& prefix) {
  // Same shape as GetTempFileNameA's names: prefix, four hex digits, .tmp.
  std::random_device seed;
  unsigned start = seed() & 0xFFFF;
  for (unsigned i = 0; i < 0x10000; ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", (start + i) & 0xFFFF);
    std::string path = directory + "/" + prefix + hex + ".tmp";
    int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) break;
  }
  throw Error("cannot create a temporary file in \"" + directory + "\": " + std::strerror(errno));
}

std::string NewGuidText() {
  std::random_device seed;
  unsigned char b[16];
  for (auto& byte : b) byte = static_cast<unsigned char>(seed());
  b[6] = (b[6] & 0x0F) | 0x40;  // version 4
  b[8] = (b[8] & 0x3F) | 0x80;  // variant
  char text[40];
  std::snprintf(text, sizeof text,
                "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0],
                b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                b[14], b[15]);
  return text;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool RenameReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

char PathSeparator() { return '/'; }

bool SeekFile(std::FILE* file, uint64_t offset) {
  return offset <= uint64_t(INT64_MAX) && fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

std::optional<uint64_t> FileLength(std::FILE* file) {
  if (fseeko(file, 0, SEEK_END) != 0) return std::nullopt;
  off_t length = ftello(file);
  if (length < 0) return std::nullopt;
  return static_cast<uint64_t>(length);
}

}  // namespace kestrova::os
