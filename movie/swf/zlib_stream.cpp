#include "movie/swf/zlib_stream.h"

#include <algorithm>

#include "common/zlib_stream.h"
#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {

// Raised by LimitedSink once the limit is reached, caught by Inflate.
class LimitReached : public Error {
 public:
  LimitReached() : Error("inflate: output limit reached") {}
};

class LimitedSink : public ByteSink {
 public:
  explicit LimitedSink(size_t limit) : limit_(limit) {}
  void Write(const uint8_t* data, size_t size) override {
    size_t n = std::min(size, limit_ - bytes.size());
    bytes.insert(bytes.end(), data, data + n);
    if (n < size) throw LimitReached();
  }
  std::vector<uint8_t> bytes;

 private:
  size_t limit_;
};

}  // namespace

std::vector<uint8_t> Inflate(std::span<const uint8_t> input, size_t limit) {
  MemorySource in(input.data(), input.size());
  LimitedSink out(limit);
  try {
    InflateZlib(in, out);
  } catch (const LimitReached&) {
  } catch (const Error& e) {
    throw SwfError(std::string("compressed data is corrupt (") + e.what() + ")");
  }
  return std::move(out.bytes);
}

}  // namespace kestrova::swf
