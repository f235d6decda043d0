#include "installer/file_name.h"

namespace kestrova {

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':') return false;
  return true;
}

}  // namespace kestrova
