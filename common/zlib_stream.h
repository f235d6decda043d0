// zlib streams (RFC 1950) through the product's own inflater: the SWF
// reader's CWS bodies and lossless bitmaps, and the stored streams the movie
// writer makes.
//
//   MemorySource in(data, size);
//   VectorSink out;
//   InflateZlib(in, out);  // raises Error: a message below or the inflater's
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/byte_stream.h"

namespace kestrova {

inline constexpr const char* kZlibBadHeader = "zlib: bad header";
inline constexpr const char* kZlibPresetDictionary = "zlib: preset dictionary not supported";
inline constexpr const char* kZlibBadChecksum = "zlib: Adler-32 checksum mismatch";

// The running Adler-32 of RFC 1950 (start with 1).
uint32_t Adler32(std::span<const uint8_t> data, uint32_t adler = 1);

// Reads one zlib stream: the two header bytes, the DEFLATE data, then the
// big-endian Adler-32 of everything written, which must match.
void InflateZlib(ByteSource& in, ByteSink& out);

// Raw DEFLATE and zlib streams holding `data` in stored (uncompressed)
// blocks: what the writers make where zlib is not linked.
std::vector<uint8_t> DeflateStore(std::span<const uint8_t> data);
std::vector<uint8_t> ZlibStore(std::span<const uint8_t> data);

}  // namespace kestrova
