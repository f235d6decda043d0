// SetOf<E>: a set of up to 32 enumeration values, the published "set" type
// (Font.Style = [fsBold, fsItalic], Anchors = [akLeft, akTop]).
//
//   TFontStyles s{TFontStyle::fsBold};
//   if (s.Contains(TFontStyle::fsBold)) s.Exclude(TFontStyle::fsBold);
#pragma once

#include <cstdint>
#include <initializer_list>

namespace kestrova::framework {

template <class E>
class SetOf {
 public:
  constexpr SetOf() = default;
  constexpr SetOf(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  static constexpr SetOf FromBits(uint32_t bits) {
    SetOf s;
    s.bits_ = bits;
    return s;
  }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr SetOf& Include(E v) {
    bits_ |= Bit(v);
    return *this;
  }
  constexpr SetOf& Exclude(E v) {
    bits_ &= ~Bit(v);
    return *this;
  }
  constexpr SetOf operator|(SetOf o) const { return FromBits(bits_ | o.bits_); }
  constexpr bool operator==(const SetOf&) const = default;

 private:
  static constexpr uint32_t Bit(E v) { return uint32_t(1) << unsigned(v); }
  uint32_t bits_ = 0;
};

}  // namespace kestrova::framework
