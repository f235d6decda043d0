// Readers of DefineFont 1-3 (glyph outlines only) and DefineText 1-2.
// Each takes a Reader bounded to the tag, positioned after the id.
#pragma once

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

Font ReadDefineFont(Reader& in);
Font ReadDefineFont2(Reader& in, int version);  // 2 or 3
Text ReadDefineText(Reader& in, int version);

}  // namespace kestrova::swf
