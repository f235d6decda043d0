#include "movie/avm1/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kestrova::avm1 {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// Reads [sign] digits [. digits] [e [sign] digits] from `i`; returns the
// number of characters taken (0: no number).
size_t ScanDecimal(const std::string& s, size_t i, double& out) {
  size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
      while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
      i = j;
    }
  }
  out = std::strtod(s.substr(start, i - start).c_str(), nullptr);
  return i - start;
}

}  // namespace

std::string NumberToString(double n) {
  if (std::isnan(n)) return "NaN";
  if (std::isinf(n)) return n > 0 ? "Infinity" : "-Infinity";
  if (n == 0) return "0";
  if (std::fabs(n) < 1e15 && n == std::floor(n)) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", n);
    return buf;
  }
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", n);
  std::string s = buf;
  size_t e = s.find('e');
  if (e == std::string::npos) return s;
  // "1e-05" -> "1e-5"
  std::string mantissa = s.substr(0, e), exponent = s.substr(e + 2);
  while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
  return mantissa + "e" + s[e + 1] + exponent;
}

std::string NumberToRadix(double n, int radix) {
  if (radix == 10 || radix < 2 || radix > 36) return NumberToString(n);
  if (std::isnan(n)) return "NaN";
  if (std::isinf(n)) return n > 0 ? "Infinity" : "-Infinity";
  double whole = std::trunc(n);
  bool negative = whole < 0;
  uint64_t v = static_cast<uint64_t>(std::fabs(whole) > 1.8e19 ? 0 : std::fabs(whole));
  std::string out;
  do {
    out.insert(out.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[v % radix]);
    v /= radix;
  } while (v);
  return negative ? "-" + out : out;
}

double StringToNumber(const std::string& s, int version) {
  if (version <= 4) {
    double out = 0;
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    return ScanDecimal(s, i, out) ? out : 0;
  }
  // "0x..." and "[+-]0..." (octal) only at the very start; both wrap to
  // 32 bits. Otherwise leading spaces, a decimal number, and nothing after.
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    uint32_t v = 0;
    size_t j = 2;
    bool negative = false;
    if (s[j] == '-' || s[j] == '+') negative = s[j++] == '-';
    if (j == s.size()) return kNaN;
    for (; j < s.size(); ++j) {
      int d = DigitValue(s[j]);
      if (d >= 16) return kNaN;
      v = v * 16 + static_cast<uint32_t>(d);
    }
    if (negative) v = 0u - v;
    return static_cast<int32_t>(v);
  }
  {
    size_t j = 0;
    bool negative = false;
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) negative = s[j++] == '-';
    if (j + 1 < s.size() && s[j] == '0' &&
        s.find_first_not_of("01234567", j) == std::string::npos) {
      uint32_t v = 0;
      for (; j < s.size(); ++j) v = v * 8 + static_cast<uint32_t>(s[j] - '0');
      if (negative) v = 0u - v;
      return static_cast<int32_t>(v);
    }
  }
  size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  if (i == s.size()) return kNaN;
  double out = 0;
  size_t taken = ScanDecimal(s, i, out);
  if (!taken) return kNaN;
  return i + taken == s.size() ? out : kNaN;
}

namespace {

// [spaces] [sign] digits of `radix` from `i`; NaN without digits.
double SignedDigits(const std::string& s, size_t i, int radix) {
  while (i < s.size() && IsSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  double v = 0;
  size_t digits = 0;
  for (; i < s.size() && DigitValue(s[i]) < radix; ++i, ++digits) v = v * radix + DigitValue(s[i]);
  if (!digits) return kNaN;
  return negative ? -v : v;
}

bool HexPrefix(const std::string& s, size_t i) {
  return s.size() >= i + 2 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
}

}  // namespace

// parseInt: a "0x" at the very start is skipped (hex unless a radix is
// given) and may be followed by spaces and a sign; a sign before "0x" wants
// a radix and only valid digits after it; "[sign]0..." of octal digits
// alone is octal; otherwise spaces, a sign and digits.
double ParseInt(const std::string& s, bool hasRadix, double radixValue) {
  int radix = 10;
  if (hasRadix) {
    if (std::isnan(radixValue)) return kNaN;
    radix = static_cast<int>(radixValue);
    if (radix < 2 || radix > 36) return kNaN;
  }
  if (HexPrefix(s, 0)) return SignedDigits(s, 2, hasRadix ? radix : 16);
  if (!s.empty() && (s[0] == '-' || s[0] == '+') && HexPrefix(s, 1)) {
    if (!hasRadix) return kNaN;
    double v = 0;
    for (size_t i = 1; i < s.size(); ++i) {
      if (DigitValue(s[i]) >= radix) return kNaN;
      v = v * radix + DigitValue(s[i]);
    }
    return v;
  }
  if (!hasRadix) {
    size_t j = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (j < s.size() && s[j] == '0' && s.find_first_not_of("01234567", j) == std::string::npos)
      return SignedDigits(s, 0, 8);
  }
  return SignedDigits(s, 0, radix);
}

double ParseFloat(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  double out = 0;
  return ScanDecimal(s, i, out) ? out : kNaN;
}

}  // namespace kestrova::avm1
