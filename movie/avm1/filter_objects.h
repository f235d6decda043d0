// The player's filters (a timeline's PlaceObject3) as script filter
// objects, for reading `filters` of what the timeline placed.
#pragma once

#include <vector>

#include "movie/avm1/vm.h"
#include "movie/swf/filter.h"

namespace kestrova::avm1 {

// A new flash.filters object with the settings of `filter`.
Value ToFilterObject(Vm& vm, const swf::Filter& filter);
// A new array of them.
Value ToFilterObjects(Vm& vm, const std::vector<swf::Filter>& filters);

}  // namespace kestrova::avm1
