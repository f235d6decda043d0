// Plain binary files over C stdio, closed by their destructors.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "common/byte_stream.h"

namespace kestrova {

inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kStreamWriteError = "Stream write error";

namespace detail {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace detail

// A file open for reading (shared with other readers). Read delivers what
// is there; ReadExact raises kStreamReadError on a short read.
class InputFile : public ByteSource {
 public:
  // Not open when the file cannot be opened; see IsOpen.
  explicit InputFile(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }
  size_t Read(uint8_t* buffer, size_t size) override;
  void ReadExact(void* buffer, size_t size);
  void Seek(int64_t position);
  int64_t Position() const { return position_; }
  int64_t Size() const { return size_; }

 private:
  detail::FileHandle file_;
  int64_t position_ = 0;
  int64_t size_ = 0;
};

// A file created (or emptied) for writing. Write raises kStreamWriteError.
class OutputFile : public ByteSink {
 public:
  explicit OutputFile(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }
  void Write(const uint8_t* data, size_t size) override;
  int64_t Size() const { return size_; }
  void Close() { file_.reset(); }

 private:
  detail::FileHandle file_;
  int64_t size_ = 0;
};

}  // namespace kestrova
