// UTF-8 to and from the text fields' characters. Bytes that are not UTF-8
// (text of SWF 5 and older movies) stand for themselves.
#pragma once

#include <string>

namespace kestrova::text {

std::u32string FromUtf8(const std::string& bytes);
std::string ToUtf8(const std::u32string& text);

}  // namespace kestrova::text
