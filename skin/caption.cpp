#include "skin/caption.h"

namespace kestrova::skin {

std::string EllipsisText(std::string_view text, int limit, const TextWidth& width) {
  if (width(text) <= limit) return std::string(text);
  for (size_t i = 1; i < text.size(); ++i) {
    std::string candidate = std::string(text.substr(0, i)) + "...";
    if (width(candidate) >= limit) return candidate;
  }
  return std::string(text);
}

}  // namespace kestrova::skin
