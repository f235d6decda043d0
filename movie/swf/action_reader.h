// DoAction: the AVM1 byte code of a frame, reduced to the timeline actions
// the player runs (stop, play, goto frame or label, next/previous frame),
// including the forms that take a constant frame from the stack.
#pragma once

#include <vector>

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

std::vector<Action> ReadActions(Reader& in);

}  // namespace kestrova::swf
