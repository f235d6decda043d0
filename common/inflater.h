// The product's one inflater (skin archives, SWF zlib streams): raw DEFLATE
// (RFC 1951, no zlib or gzip wrapper; common/zlib_stream.h adds that), read
// through a 16 KB input buffer and a word-fed bit reader, written through a
// 64 KB + 258 byte window in 32 KB blocks.
//
//   MemorySource in(data, size);
//   VectorSink out;
//   InflateRaw(in, out);  // raises Error with one of the messages below
#pragma once

#include <span>

#include "common/byte_stream.h"

namespace kestrova {

inline constexpr const char* kInflateBadCode = "inflate: invalid code";
inline constexpr const char* kInflateTooManyCodes = "inflate: too many length or distance codes";
inline constexpr const char* kInflateRepeatFirst = "inflate: repeat of no previous length";
inline constexpr const char* kInflateRunTooLong = "inflate: code length run past the end";
inline constexpr const char* kInflateDistanceTooFar = "inflate: distance too far back";
inline constexpr const char* kInflateTruncated = "inflate: unexpected end of data";

inline constexpr size_t kInflateInputSize = 16384;
inline constexpr size_t kInflateWindowSize = 65536;  // plus room for one longest match
inline constexpr size_t kInflateFlushSize = 32768;

// Decodes blocks until the final one and writes every byte to `out`. Then
// fills `trailer` with the whole bytes after the final block (a zlib
// stream's checksum); data beyond those is left unread or ignored.
void InflateRaw(ByteSource& in, ByteSink& out, std::span<uint8_t> trailer = {});

}  // namespace kestrova
