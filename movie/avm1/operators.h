// The value operators of SWF 5 and later: + (Add2), == (Equals2), <
// (Less2), === (StrictEquals), as the Flash Player defines them.
#pragma once

#include "movie/avm1/vm.h"

namespace kestrova::avm1 {

Value Add(Vm& vm, const Value& a, const Value& b);
bool LooseEquals(Vm& vm, const Value& a, const Value& b);
bool StrictEquals(const Value& a, const Value& b);
// a < b: true, false, or undefined when a number is NaN.
Value LessThan(Vm& vm, const Value& a, const Value& b);

}  // namespace kestrova::avm1
