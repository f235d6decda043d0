// Numbers to text and back, as the Flash Player prints and reads them.
#pragma once

#include <string>

namespace kestrova::avm1 {

// 15 significant digits; exponent form below 1e-5 and from 1e15 on.
std::string NumberToString(double n);
// Integer part in another radix (2-36), as Number.toString(radix).
std::string NumberToRadix(double n, int radix);
// ToNumber of a string. SWF 4 reads a leading decimal number and ignores
// what follows (nothing is 0); later versions want the whole string
// (hex "0x..." allowed, nothing is NaN).
double StringToNumber(const std::string& text, int version);
double ParseInt(const std::string& text, bool hasRadix, double radix);
double ParseFloat(const std::string& text);

}  // namespace kestrova::avm1
