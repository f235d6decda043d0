// The flash.filters classes of SWF 8 (filter_classes.cpp): each filter
// keeps its settings on a hidden holder object, read by the accessors of
// its prototype and by the conversion to the player's filters.
#pragma once

#include <cstdint>

#include "movie/avm1/vm.h"

namespace kestrova::avm1 {

enum class FilterKind : uint8_t {
  Blur,
  DropShadow,
  Glow,
  Bevel,
  GradientGlow,
  GradientBevel,
  ColorMatrix,
  Convolution,
  DisplacementMap,
};

// The settings of an object a filter constructor ran on (its fields by
// name), with the filter's kind; null for any other value.
Object* FilterSettings(const Value& filter, FilterKind* kind = nullptr);
// A filter of the same class with settings of its own (arrays copied),
// or undefined when `filter` is none.
Value CloneFilter(Vm& vm, const Value& filter);
// A new array of copies of the filters in `list`, at most `limit`.
Value CloneFilters(Vm& vm, const Value& list, size_t limit);
// The items of an array (or of anything with a length), at most `limit`.
std::vector<Value> ArrayItems(Vm& vm, const Value& array, size_t limit);

void InstallFilterClasses(Vm& vm, Object* package);

}  // namespace kestrova::avm1
