// SkinLookup: a loaded skin's entries by key name, as a file theme asks
// them (the skin file reader's answers, or a test's).
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/bitmap.h"

namespace kestrova::skin {

class SkinLookup {
 public:
  virtual ~SkinLookup() = default;
  // The picture under the name, owned by the skin; null when absent.
  virtual const framework::TBitmap* GetBitmap(std::string_view name) const = 0;
  // -1 when the name is absent or its value is not a decimal integer.
  virtual int32_t GetInteger(std::string_view name) const = 0;
  // False when the name is absent.
  virtual bool GetBool(std::string_view name) const = 0;
};

}  // namespace kestrova::skin
