// Files through C stdio with 64-bit offsets, closed by their destructor.
// Product code reads and writes files with these rather than iostreams,
// whose locale machinery alone would double the stub's size.
//
//   StdioFile in(path, "rb");
//   if (!in.IsOpen() || !in.Seek(offset) || !in.Read(buffer, n)) ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrova {

class StdioFile {
 public:
  // Not open when the file cannot be opened (see IsOpen).
  StdioFile(const std::string& path, const char* mode);

  bool IsOpen() const { return file_ != nullptr; }
  bool Seek(uint64_t offset);
  // The file's length; empty when it cannot be told. Leaves the position at 0.
  std::optional<uint64_t> Length();
  // All `size` bytes, or false.
  bool Read(void* buffer, size_t size);
  bool Write(const void* data, size_t size);
  // Flushes and closes; false when a write did not reach the file.
  bool Close();

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

// The whole file when it opens and is at most `limit` bytes long.
enum class ReadFileResult { kOk, kCannotOpen, kTooLarge, kReadError };
ReadFileResult ReadWholeFile(const std::string& path, uint64_t limit, std::vector<uint8_t>& out);

}  // namespace kestrova
