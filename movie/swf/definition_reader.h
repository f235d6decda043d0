// Definition tags (shapes, morphs, bitmaps, fonts, texts, sprites): each
// adds one character to the movie's dictionary.
#pragma once

#include <cstdint>

#include "movie/swf/reader.h"
#include "movie/swf/timeline_reader.h"

namespace kestrova::swf {

// True if `code` is a definition tag (read or not); raises SwfError if its
// data is bad.
bool ReadDefinition(uint16_t code, Reader& body, DecodeContext& context);

}  // namespace kestrova::swf
