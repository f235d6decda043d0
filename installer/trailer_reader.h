// TrailerReader: reads the fields of the payload and movie trailers from a
// file, by their fixed distances from its end. Shared by the extraction and
// by `kestrova-pack --list`, so both see a file the same way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/stdio_file.h"

namespace kestrova {

// A validated run of bytes inside the file: [offset, offset + size).
struct ByteSpan {
  uint64_t offset = 0;
  uint64_t size = 0;
};

class TrailerReader {
 public:
  // Opens the file read-only (other readers and writers are not denied).
  // Raises Error when it cannot be opened.
  explicit TrailerReader(const std::string& path);

  uint64_t FileSize() const { return size_; }

  // Payload trailer fields; each raises Error when the file is too short.
  uint8_t OptionByte();
  std::string FileName();  // zero bytes dropped wherever they are
  int32_t LengthField();
  // The screensaver's bytes, from the length field; raises Error when the
  // length is below 4 or reaches before the start of the file.
  ByteSpan ScreensaverSpan();

  // Movie trailer at the end of `container` (by default the whole file): the
  // movie's bytes; raises Error like ScreensaverSpan.
  ByteSpan MovieSpan();
  ByteSpan MovieSpan(ByteSpan container);

  // The bytes of a span, when it holds at most `limit` bytes; raises Error
  // (before allocating) when it holds more.
  std::vector<uint8_t> Read(ByteSpan span, uint64_t limit);
  // Copies a span into a new file (created anew or emptied), in bounded chunks.
  void CopyTo(ByteSpan span, const std::string& targetPath);

 private:
  // Reads `count` bytes starting `back` bytes before the end of `container`.
  void ReadBack(ByteSpan container, uint64_t back, char* buffer, size_t count);
  void ReadAt(uint64_t fromEnd, char* buffer, size_t count) {
    ReadBack(Whole(), fromEnd, buffer, count);
  }
  int32_t ReadInt32Back(ByteSpan container, uint64_t back);
  ByteSpan Whole() const { return {0, size_}; }

  std::string path_;
  StdioFile file_;
  uint64_t size_ = 0;
};

}  // namespace kestrova
