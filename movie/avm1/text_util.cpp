#include "movie/avm1/text_util.h"

#include <cmath>
#include <vector>

namespace kestrova::avm1 {

namespace {

// Byte offset of each character start, plus the end.
std::vector<size_t> Offsets(const std::string& s) {
  std::vector<size_t> out;
  for (size_t i = 0; i < s.size(); ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) out.push_back(i);
  out.push_back(s.size());
  return out;
}

}  // namespace

size_t Utf8Length(const std::string& s) { return Offsets(s).size() - 1; }

uint32_t Utf8CodeAt(const std::string& s, size_t index) {
  std::vector<size_t> offsets = Offsets(s);
  if (index + 1 >= offsets.size()) return 0;
  size_t i = offsets[index], end = offsets[index + 1];
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  uint32_t c = b(i);
  if (c < 0x80 || end - i == 1) return c;
  int extra = end - i - 1;
  c &= 0x3F >> extra;
  for (size_t k = i + 1; k < end; ++k) c = (c << 6) | (b(k) & 0x3F);
  return c;
}

std::string Utf8Encode(uint32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string Extract(const std::string& s, double start, double count, bool utf8) {
  if (std::isnan(start)) start = 0;
  std::vector<size_t> offsets;
  if (utf8) {
    offsets = Offsets(s);
  } else {
    for (size_t i = 0; i <= s.size(); ++i) offsets.push_back(i);
  }
  double length = static_cast<double>(offsets.size() - 1);
  if (start < 0) start = 0;
  if (start > length) start = length;
  double end = count < 0 || std::isnan(count) ? length : std::min(length, start + count);
  if (end < start) end = start;
  size_t b = offsets[static_cast<size_t>(start)], e = offsets[static_cast<size_t>(end)];
  return s.substr(b, e - b);
}

}  // namespace kestrova::avm1
