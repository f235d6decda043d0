#include "installer/file_name.h"

#include "common/os_services.h"

namespace kestrova {
namespace {

bool IsForbidden(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':';
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool IsDeviceName(std::string stem) {
  // Windows drops trailing spaces before it looks: "NUL .scr" is NUL too.
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = Upper(c);
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

bool IsPlainFileName(const std::string& name, NextCharacterFn next) {
  if (name.empty() || name == "." || name == "..") return false;
  size_t stemEnd = std::string::npos;
  for (size_t at = 0; at < name.size();) {
    size_t after = next(name, at);
    if (after <= at) after = at + 1;  // a walker must always move on
    if (after == at + 1) {
      if (IsForbidden(static_cast<unsigned char>(name[at]))) return false;
      if (name[at] == '.' && stemEnd == std::string::npos) stemEnd = at;
    }
    at = after;
  }
  return !IsDeviceName(name.substr(0, stemEnd));
}

bool IsPlainFileName(const std::string& name) { return IsPlainFileName(name, os::NextCharacter); }

}  // namespace kestrova
