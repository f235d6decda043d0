// UTF-8 helpers for the string actions and String methods: SWF 6 and
// later count characters, earlier movies count bytes.
#pragma once

#include <cstdint>
#include <string>

namespace kestrova::avm1 {

size_t Utf8Length(const std::string& s);
uint32_t Utf8CodeAt(const std::string& s, size_t charIndex);
std::string Utf8Encode(uint32_t codePoint);
// Characters [start, start + count) (count < 0: to the end), clamped.
std::string Extract(const std::string& s, double start, double count, bool utf8);

}  // namespace kestrova::avm1
