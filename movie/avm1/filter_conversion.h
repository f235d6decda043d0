// A script's filter object as the player's filter (swf::Filter), which the
// renderer draws as it draws PlaceObject3's filters.
#pragma once

#include <optional>

#include "movie/avm1/vm.h"
#include "movie/swf/filter.h"

namespace kestrova::avm1 {

// More filters than this on one object are not taken.
constexpr size_t kMaxFilters = 64;

// Nothing for values no filter constructor made, and for displacement
// maps (not drawn).
std::optional<swf::Filter> ToSwfFilter(Vm& vm, const Value& filter);
// The filters of an array as the player draws them, at most `limit`;
// `kept` becomes a new array of copies of them (other items skipped).
std::vector<swf::Filter> ToSwfFilters(Vm& vm, const Value& list, size_t limit, Value& kept);

}  // namespace kestrova::avm1
