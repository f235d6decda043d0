// zlib streams of SWF data (CWS bodies, lossless bitmaps, JPEG alpha planes)
// through the system zlib.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kestrova::swf {

struct Inflated {
  std::vector<uint8_t> bytes;
  bool complete = false;  // the stream ended properly (else: input ran out)
};

// Inflates at most `limit` bytes; output grows with what the stream really
// yields, so a stated size never allocates by itself. Raises
// SwfError("compressed data is corrupt") on a broken stream.
Inflated Inflate(std::span<const uint8_t> input, size_t limit);

}  // namespace kestrova::swf
