// TextFormat: the character format of text in a text field. Every field is
// optional: a format read over a range of text leaves unset what differs
// inside it, and a format applied to text changes only what it sets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "movie/swf/movie.h"

namespace kestrova::text {

struct TextFormat {
  std::optional<std::string> font, url, target;
  std::optional<int32_t> size, leftMargin, rightMargin, indent, leading, blockIndent;
  std::optional<uint32_t> color;  // 0xRRGGBB
  std::optional<double> letterSpacing;
  std::optional<bool> bold, italic, underline, bullet, kerning;
  std::optional<swf::TextAlign> align;
  std::optional<std::vector<int32_t>> tabStops;
  std::string display = "block";

  bool operator==(const TextFormat&) const = default;
};

// What `a` and `b` have in common: fields that differ become unset.
TextFormat Common(const TextFormat& a, const TextFormat& b);
// `to` with every field that `from` sets.
void Apply(TextFormat& to, const TextFormat& from);
// The format of a new field's text: every field set.
TextFormat DefaultFormat(const swf::EditText& definition, const swf::Movie& movie);

}  // namespace kestrova::text
