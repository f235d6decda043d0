// Caption fitting with "..." (portable: the text width comes from the
// caller's canvas through a callback).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kestrova::skin {

using TextWidth = std::function<int(std::string_view)>;

// The text itself when its width is at most `limit`; otherwise the shortest
// leading part plus "..." whose width reaches `limit` (so the result may
// overshoot the limit by part of a character); the whole text when no such
// part is shorter than the text.
std::string EllipsisText(std::string_view text, int limit, const TextWidth& width);

}  // namespace kestrova::skin
