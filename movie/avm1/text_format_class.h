// TextFormat: the ActionScript class over text::TextFormat. Its fields are
// accessors on the prototype that coerce what a script stores as the
// original player does (sizes and margins to whole numbers, colours to
// 32 bits unsigned, alignments from a fixed list).
//
//   TextFormats formats(vm);
//   formats.Install();                        // global TextFormat
//   Object* o = formats.Make(field.FormatOf(0, 1));
//   const text::TextFormat* f = formats.Of(value);
#pragma once

#include <unordered_map>

#include "movie/avm1/vm.h"
#include "movie/text/text_format.h"

namespace kestrova::avm1 {

class TextFormats {
 public:
  explicit TextFormats(Vm& vm) : vm_(vm) {}
  void Install();
  Object* Make(const text::TextFormat& format);
  // The format a TextFormat object holds; null for any other value.
  const text::TextFormat* Of(const Value& value) const;
  void Forget(const Object* o) { formats_.erase(o); }

 private:
  void Construct(Object* self, const Args& args);
  text::TextFormat* Mutable(const Value& self);

  Vm& vm_;
  Object* proto_ = nullptr;
  std::unordered_map<const Object*, text::TextFormat> formats_;
};

}  // namespace kestrova::avm1
