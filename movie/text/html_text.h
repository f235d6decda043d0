// The text of a field's HTML: what the markup shows, without the markup.
#pragma once

#include <string>

namespace kestrova::text {

// Tags dropped; <br> and the end of a paragraph are line breaks in a
// multiline field (a single-line field runs its paragraphs together); the
// five named entities and &nbsp; decoded.
std::u32string TextOfHtml(const std::u32string& html, bool multiline);

}  // namespace kestrova::text
