#include <objbase.h>
#include <windows.h>

#include <cstdio>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova::os {

namespace {
std::string UpToZero(const char* buffer, size_t size) {
  size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  return std::string(buffer, n);
}
}  // namespace

std::string TempDirectory() {
  char buffer[512] = {};
  if (GetTempPathA(sizeof buffer, buffer) == 0)
    throw Error("the system reports no temporary directory");
  return UpToZero(buffer, sizeof buffer);
}

std::string CreateUniqueTempFile(const std::string& directory, const std::string& prefix) {
  char buffer[512] = {};
  if (GetTempFileNameA(directory.c_str(), prefix.c_str(), 0, buffer) == 0)
    throw Error("cannot create a temporary file in \"" + directory + "\"");
  return UpToZero(buffer, sizeof buffer);
}

std::string NewGuidText() {
  GUID guid;
  if (FAILED(CoCreateGuid(&guid))) throw Error("cannot create a GUID");
  char text[40];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool RenameReplacing(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

char PathSeparator() { return '\\'; }

bool SeekFile(std::FILE* file, uint64_t offset) {
  return offset <= uint64_t(INT64_MAX) &&
         fseeko64(file, static_cast<_off64_t>(offset), SEEK_SET) == 0;
}

std::optional<uint64_t> FileLength(std::FILE* file) {
  if (fseeko64(file, 0, SEEK_END) != 0) return std::nullopt;
  _off64_t length = ftello64(file);
  if (length < 0) return std::nullopt;
  return static_cast<uint64_t>(length);
}

}  // namespace kestrova::os
