// SwfError: every failure of reading a movie (bad header, broken tag data).
#pragma once

#include <string>

#include "common/error.h"

namespace kestrova::swf {

class SwfError : public Error {
 public:
  explicit SwfError(const std::string& message) : Error(message) {}
};

}  // namespace kestrova::swf
