// Readers of the shape records: DefineShape 1-4, DefineMorphShape 1-2 and
// the bare SHAPE of font glyphs. Each takes a Reader bounded to its record,
// positioned after the character id.
#pragma once

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

Shape ReadDefineShape(Reader& in, int version);
MorphShape ReadDefineMorphShape(Reader& in, int version);
// A glyph: SHAPE records drawn with one implicit solid fill (style 1).
Shape ReadGlyphShape(Reader& in);

}  // namespace kestrova::swf
