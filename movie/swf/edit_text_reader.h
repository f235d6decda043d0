// Reader of DefineEditText. Takes a Reader bounded to the tag, positioned
// after the id.
#pragma once

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

EditText ReadDefineEditText(Reader& in);

}  // namespace kestrova::swf
