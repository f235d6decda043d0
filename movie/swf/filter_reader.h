// FILTERLIST of PlaceObject3.
#pragma once

#include <vector>

#include "movie/swf/filter.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

std::vector<Filter> ReadFilters(Reader& in);

}  // namespace kestrova::swf
