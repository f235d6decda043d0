#include "movie/text/html_text.h"

#include <cctype>
#include <string_view>
#include <utility>

#include "movie/text/utf8.h"

namespace kestrova::text {

namespace {

constexpr std::pair<std::u32string_view, char32_t> kEntities[] = {
    {U"&lt;", U'<'},   {U"&gt;", U'>'},    {U"&amp;", U'&'},
    {U"&quot;", U'"'}, {U"&apos;", U'\''}, {U"&nbsp;", U' '}};

// The entity at `html[i]` ("&" when it names none); `i` moves past it.
char32_t Entity(const std::u32string& html, size_t& i) {
  for (const auto& [name, value] : kEntities)
    if (html.compare(i, name.size(), name) == 0) {
      i += name.size() - 1;
      return value;
    }
  return U'&';
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::u32string TextOfHtml(const std::u32string& html, bool multiline) {
  std::u32string out;
  for (size_t i = 0; i < html.size(); ++i) {
    char32_t c = html[i];
    if (c == U'<') {
      size_t end = html.find(U'>', i);
      if (end == std::u32string::npos) break;
      std::string tag = Lower(ToUtf8(html.substr(i + 1, end - i - 1)));
      if (multiline && (tag.rfind("br", 0) == 0 || tag == "/p")) out.push_back(U'\r');
      i = end;
    } else if (c == U'&') {
      out.push_back(Entity(html, i));
    } else {
      out.push_back(c);
    }
  }
  if (!out.empty() && out.back() == U'\r') out.pop_back();
  return out;
}

}  // namespace kestrova::text
