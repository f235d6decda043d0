// A script's filter object as the player's filter (swf::Filter), which the
// renderer draws as it draws PlaceObject3's filters.
#pragma once

#include <optional>

#include "movie/avm1/vm.h"
#include "movie/swf/filter.h"

namespace kestrova::avm1 {

// Nothing for values no filter constructor made, and for displacement
// maps (not drawn).
std::optional<swf::Filter> ToSwfFilter(Vm& vm, const Value& filter);

}  // namespace kestrova::avm1
