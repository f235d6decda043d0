#include "common/stdio_file.h"

#include "common/os_services.h"

namespace kestrova {

StdioFile::StdioFile(const std::string& path, const char* mode)
    : file_(std::fopen(path.c_str(), mode)) {}

bool StdioFile::Seek(uint64_t offset) { return file_ && os::SeekFile(file_.get(), offset); }

std::optional<uint64_t> StdioFile::Length() {
  if (!file_) return std::nullopt;
  std::optional<uint64_t> length = os::FileLength(file_.get());
  if (!Seek(0)) return std::nullopt;
  return length;
}

bool StdioFile::Read(void* buffer, size_t size) {
  return file_ && std::fread(buffer, 1, size, file_.get()) == size;
}

bool StdioFile::Write(const void* data, size_t size) {
  return file_ && std::fwrite(data, 1, size, file_.get()) == size;
}

bool StdioFile::Close() {
  if (!file_) return false;
  bool flushed = std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
  return std::fclose(file_.release()) == 0 && flushed;
}

ReadFileResult ReadWholeFile(const std::string& path, uint64_t limit, std::vector<uint8_t>& out) {
  StdioFile file(path, "rb");
  if (!file.IsOpen()) return ReadFileResult::kCannotOpen;
  std::optional<uint64_t> length = file.Length();
  if (!length) return ReadFileResult::kReadError;
  if (*length > limit) return ReadFileResult::kTooLarge;
  out.resize(static_cast<size_t>(*length));
  return file.Read(out.data(), out.size()) ? ReadFileResult::kOk : ReadFileResult::kReadError;
}

}  // namespace kestrova
