// Differential fuzzing of the product's inflater against zlib. The first
// input byte picks the mode:
//   even  the rest is data: zlib deflates it (level, strategy, memory level,
//         window size and flush interval from the next bytes) and our
//         inflater must give back exactly the data;
//   odd   the rest is taken as a raw DEFLATE stream: whenever zlib inflates
//         it, ours must succeed with the same bytes (ours may accept more,
//         e.g. it does not check NLEN), and it must never crash; the same
//         bytes are also read as a zlib stream (header, Adler-32) by both.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/error.h"
#include "common/inflater.h"
#include "common/zlib_stream.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool OurInflate(const uint8_t* data, size_t size, Bytes& out, bool zlib = false) {
  kestrova::MemorySource in(data, size);
  kestrova::VectorSink sink;
  try {
    if (zlib)
      kestrova::InflateZlib(in, sink);
    else
      kestrova::InflateRaw(in, sink);
  } catch (const kestrova::Error&) {
    return false;
  }
  out = std::move(sink.bytes);
  return true;
}

Bytes ZlibDeflate(const uint8_t* params, const uint8_t* data, size_t size) {
  int level = params[0] % 10;
  int strategy = params[1] % 5;  // default, filtered, huffman only, RLE, fixed
  int memLevel = 1 + params[2] % 9;
  int windowBits = 9 + params[3] % 7;
  size_t flushEvery = params[4] ? size_t(params[4]) * 61 : std::max<size_t>(size, 1);
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -windowBits, memLevel, strategy) != Z_OK) std::abort();
  Bytes out(deflateBound(&z, uLong(size)) + 64 + 16 * (size / flushEvery + 1));
  z.next_out = out.data();
  z.avail_out = uInt(out.size());
  size_t done = 0;
  do {
    size_t n = std::min(flushEvery, size - done);
    z.next_in = const_cast<Bytef*>(data + done);
    z.avail_in = uInt(n);
    done += n;
    int flush = done == size ? Z_FINISH : (params[5] & 1 ? Z_FULL_FLUSH : Z_SYNC_FLUSH);
    int status = deflate(&z, flush);
    if (status != Z_OK && status != Z_STREAM_END) std::abort();
  } while (done < size);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

bool ZlibInflate(const uint8_t* data, size_t size, Bytes& out, bool zlib = false) {
  z_stream z{};
  if (inflateInit2(&z, zlib ? 15 : -15) != Z_OK) std::abort();
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = uInt(size);
  uint8_t chunk[16384];
  int status;
  do {
    z.next_out = chunk;
    z.avail_out = sizeof chunk;
    status = inflate(&z, Z_NO_FLUSH);
    out.insert(out.end(), chunk, chunk + (sizeof chunk - z.avail_out));
  } while (status == Z_OK && out.size() < (64u << 20));
  inflateEnd(&z);
  return status == Z_STREAM_END;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] & 1) {
    Bytes theirs, ours;
    bool ok = OurInflate(data + 1, size - 1, ours);
    if (ZlibInflate(data + 1, size - 1, theirs) && (!ok || ours != theirs)) std::abort();
    Bytes theirsZlib, oursZlib;
    ok = OurInflate(data + 1, size - 1, oursZlib, true);
    if (ZlibInflate(data + 1, size - 1, theirsZlib, true) && (!ok || oursZlib != theirsZlib))
      std::abort();
    return 0;
  }
  if (size < 7) return 0;
  Bytes stream = ZlibDeflate(data + 1, data + 7, size - 7);
  Bytes ours;
  if (!OurInflate(stream.data(), stream.size(), ours)) std::abort();
  if (ours != Bytes(data + 7, data + size)) std::abort();
  return 0;
}
