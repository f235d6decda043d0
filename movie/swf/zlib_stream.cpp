#include "movie/swf/zlib_stream.h"

#include <zlib.h>

#include <algorithm>

#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {
class InflateStream {
 public:
  InflateStream() {
    if (inflateInit(&z_) != Z_OK) throw SwfError("cannot start the zlib inflater");
  }
  ~InflateStream() { inflateEnd(&z_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  z_stream* operator->() { return &z_; }
  z_stream* get() { return &z_; }

 private:
  z_stream z_{};
};
}  // namespace

Inflated Inflate(std::span<const uint8_t> input, size_t limit) {
  constexpr size_t kChunk = 64 * 1024;
  InflateStream z;
  z->next_in = const_cast<Bytef*>(input.data());
  z->avail_in = static_cast<uInt>(input.size());
  Inflated out;
  while (out.bytes.size() < limit) {
    size_t old = out.bytes.size();
    size_t grow = std::min(kChunk, limit - old);
    out.bytes.resize(old + grow);
    z->next_out = out.bytes.data() + old;
    z->avail_out = static_cast<uInt>(grow);
    int rc = inflate(z.get(), Z_NO_FLUSH);
    out.bytes.resize(old + grow - z->avail_out);
    if (rc == Z_STREAM_END) {
      out.complete = true;
      break;
    }
    if (rc == Z_BUF_ERROR && z->avail_in == 0) break;  // input ran out
    if (rc != Z_OK && rc != Z_BUF_ERROR) throw SwfError("compressed data is corrupt");
  }
  if (out.bytes.size() >= limit) out.complete = true;
  return out;
}

}  // namespace kestrova::swf
