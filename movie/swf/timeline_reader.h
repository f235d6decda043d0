// The tag stream: RECORDHEADER (U16 code << 6 | length, length 0x3F means
// a U32 length follows), each tag read through a Reader of its length.
// Used for the root timeline and for DefineSprite's own one.
#pragma once

#include <vector>

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

// What the tags of one movie share while it is read.
struct DecodeContext {
  Movie& movie;
  std::vector<uint8_t> jpegTables;
};

// Reads tags up to End (or the end of the data) into `timeline`; at the
// root, definition tags go to movie.dictionary.
void ReadTimeline(Reader& in, DecodeContext& context, Timeline& timeline, bool root);

PlaceObject ReadPlaceObject(Reader& in);
// `version` 2 or 3 (the tag's); `swfVersion` the movie's, for clip actions.
PlaceObject ReadPlaceObject2(Reader& in, int version, int swfVersion = 6);

}  // namespace kestrova::swf
