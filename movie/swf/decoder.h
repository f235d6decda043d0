// The SWF decoder's entry points.
//
//   swf::Movie movie = swf::DecodeMovie(bytes);   // or LoadMovie(path)
//   movie.header.stage, movie.root.frames, movie.dictionary ...
//
// Header faults raise SwfError with one message per kind ("not a SWF
// movie", "unsupported compression (LZMA)", "truncated header",
// "compressed data is corrupt", "movie too large"). A tag whose data is bad
// is skipped and named in movie.warnings; the rest of the movie still plays.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "movie/swf/movie.h"

namespace kestrova::swf {

// Uncompressed movies larger than this are refused.
constexpr uint32_t kMaxMovieBytes = 128u * 1024 * 1024;

Movie DecodeMovie(std::span<const uint8_t> bytes);
Movie LoadMovie(const std::string& path);  // also raises SwfError if unreadable

}  // namespace kestrova::swf
