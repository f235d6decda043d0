#include "movie/avm1/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kestrova::avm1 {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

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
    for (size_t j = 2; j < s.size(); ++j) {
      int d = DigitValue(s[j]);
      if (d >= 16) return kNaN;
      v = v * 16 + static_cast<uint32_t>(d);
    }
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

double ParseInt(const std::string& s, bool hasRadix, double radixValue) {
  int radix = 0;
  if (hasRadix) {
    if (std::isnan(radixValue)) return kNaN;
    radix = static_cast<int>(radixValue);
    if (radix < 2 || radix > 36) return kNaN;
  }
  size_t i = 0;
  // "0x" and a leading "0" (octal) are only recognised at the very start,
  // before any space; a sign before "0x" is not allowed there.
  if (!hasRadix || radix == 16) {
    size_t j = 0;
    bool negative = false;
    if (j < s.size() && (s[j] == '-' || s[j] == '+') && !hasRadix) {
      // "-0x.." is NaN without a radix
      if (s.size() > j + 2 && s[j + 1] == '0' && (s[j + 2] == 'x' || s[j + 2] == 'X'))
        return kNaN;
    }
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
      j = 2;
      if (j < s.size() && (s[j] == '-' || s[j] == '+')) negative = s[j++] == '-';
      double v = 0;
      size_t digits = 0;
      for (; j < s.size() && DigitValue(s[j]) < 16; ++j, ++digits) v = v * 16 + DigitValue(s[j]);
      if (!digits) return kNaN;
      return negative ? -v : v;
    }
  }
  if (!hasRadix) {
    // leading zero: octal, when the string starts with it (sign allowed)
    size_t j = 0;
    bool negative = false;
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) negative = s[j++] == '-';
    if (j < s.size() && s[j] == '0' && j + 1 < s.size() && s[j + 1] >= '0' && s[j + 1] <= '7') {
      bool allOctal = true;
      size_t k = j;
      for (; k < s.size() && s[k] >= '0' && s[k] <= '9'; ++k)
        if (s[k] > '7') allOctal = false;
      if (allOctal) {
        double v = 0;
        for (size_t m = j; m < k; ++m) v = v * 8 + (s[m] - '0');
        if (k == s.size()) return negative ? -v : v;
      }
    }
    radix = 10;
  }
  while (i < s.size() && IsSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  double v = 0;
  size_t digits = 0;
  for (; i < s.size() && DigitValue(s[i]) < radix; ++i, ++digits) v = v * radix + DigitValue(s[i]);
  if (!digits) return kNaN;
  return negative ? -v : v;
}

double ParseFloat(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  double out = 0;
  return ScanDecimal(s, i, out) ? out : kNaN;
}

}  // namespace kestrova::avm1
