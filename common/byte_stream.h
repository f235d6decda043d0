// The byte streams the inflater reads and writes: a source that delivers
// what it has, a sink that takes everything or raises.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kestrova {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `size` bytes into `buffer`; 0 once the source is exhausted.
  virtual size_t Read(uint8_t* buffer, size_t size) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Takes all `size` bytes or raises Error.
  virtual void Write(const uint8_t* data, size_t size) = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const uint8_t* data, size_t size) : data_(data), left_(size) {}
  size_t Read(uint8_t* buffer, size_t size) override {
    size_t n = std::min(size, left_);
    if (n) std::memcpy(buffer, data_, n);
    data_ += n;
    left_ -= n;
    return n;
  }

 private:
  const uint8_t* data_;
  size_t left_;
};

class VectorSink : public ByteSink {
 public:
  void Write(const uint8_t* data, size_t size) override {
    bytes.insert(bytes.end(), data, data + size);
  }
  std::vector<uint8_t> bytes;
};

}  // namespace kestrova
