// DefineButton, DefineButton2 and DefineButtonCxform.
#pragma once

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

Button ReadDefineButton(Reader& in, int version);
// DefineButtonCxform: the colour transform of every record of a button.
void ApplyButtonCxform(Reader& in, Movie& movie);

}  // namespace kestrova::swf
