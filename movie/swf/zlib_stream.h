// zlib streams of SWF data (CWS bodies, lossless bitmaps, JPEG alpha planes)
// through the product's inflater (common/zlib_stream.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kestrova::swf {

// Inflates at most `limit` bytes; output grows with what the stream really
// yields, so a stated size never allocates by itself. A stream that yields
// more stops at the limit (its checksum then goes unread). Raises
// SwfError("compressed data is corrupt (REASON)") on a bad header, broken
// or truncated data, or a checksum mismatch.
std::vector<uint8_t> Inflate(std::span<const uint8_t> input, size_t limit);

}  // namespace kestrova::swf
