#include "skin/filetheme/binary_file.h"

#include <cstdint>

#include "common/error.h"

namespace kestrova {
namespace {

// Plain fseek/ftell: their long offsets cover the 2 GB that a skin file
// could ever need on either system.
bool SeekTo(std::FILE* file, int64_t position) {
  return position <= INT32_MAX && std::fseek(file, static_cast<long>(position), SEEK_SET) == 0;
}

int64_t FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  long size = std::ftell(file);
  SeekTo(file, 0);
  return size < 0 ? 0 : size;
}

}  // namespace

InputFile::InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (file_) size_ = FileSize(file_.get());
}

size_t InputFile::Read(uint8_t* buffer, size_t size) {
  if (!file_ || seekFailed_ || position_ >= size_) return 0;
  size_t got = std::fread(buffer, 1, size, file_.get());
  position_ += static_cast<int64_t>(got);
  return got;
}

void InputFile::ReadExact(void* buffer, size_t size) {
  if (Read(static_cast<uint8_t*>(buffer), size) != size) throw Error(kStreamReadError);
}

// Seeking past the end is allowed, as with any file; reads there deliver
// nothing. A negative position is clamped to the start. A seek that fails
// (beyond 2 GB) leaves the file nowhere: reads deliver nothing until a seek
// succeeds, rather than going on from the old position.
void InputFile::Seek(int64_t position) {
  if (position < 0) position = 0;
  seekFailed_ = !file_ || !SeekTo(file_.get(), position);
  position_ = position;
}

OutputFile::OutputFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

void OutputFile::Write(const uint8_t* data, size_t size) {
  if (size == 0) return;
  if (!file_ || std::fwrite(data, 1, size, file_.get()) != size) throw Error(kStreamWriteError);
  size_ += static_cast<int64_t>(size);
}

}  // namespace kestrova
