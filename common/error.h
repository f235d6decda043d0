// Error: the one exception base of the project. Every failure the code raises
// is an Error (or derived from it) carrying a message meant for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrova {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kestrova
