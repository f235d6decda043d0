// The inflater's output window: 64 KB of output plus room for one longest
// match. When the write position reaches 64 KB the first 32 KB go to the
// sink and the rest moves down, so at least 32 KB of history stays for
// back-references.
#pragma once

#include <cstring>
#include <vector>

#include "common/byte_stream.h"
#include "common/inflater.h"

namespace kestrova {

class InflateWindow {
 public:
  static constexpr size_t kLongestMatch = 258;
  // Bytes past the window that wide match copies may scribble on.
  static constexpr size_t kCopyOverrun = 16;

  explicit InflateWindow(ByteSink& sink)
      : sink_(sink), bytes_(kInflateWindowSize + kLongestMatch + kCopyOverrun) {}

  uint8_t* Data() { return bytes_.data(); }
  size_t pos = 0;

  void FlushIfFull() {
    if (pos >= kInflateWindowSize) Slide();
  }
  void Finish() {
    sink_.Write(bytes_.data(), pos);
    pos = 0;
  }

 private:
  void Slide() {
    sink_.Write(bytes_.data(), kInflateFlushSize);
    std::memmove(bytes_.data(), bytes_.data() + kInflateFlushSize, pos - kInflateFlushSize);
    pos -= kInflateFlushSize;
  }

  ByteSink& sink_;
  std::vector<uint8_t> bytes_;
};

}  // namespace kestrova
