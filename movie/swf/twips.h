// Twips: the SWF length unit, 1/20 of a pixel. Kept as a type so that file
// coordinates are never mistaken for pixels.
#pragma once

#include <cstdint>

namespace kestrova::swf {

constexpr int kTwipsPerPixel = 20;

// Sums of file coordinates wrap instead of overflowing: a broken movie
// draws garbage, never undefined behaviour.
constexpr int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

struct Twips {
  int32_t value = 0;

  constexpr float Pixels() const { return static_cast<float>(value) / kTwipsPerPixel; }
  static constexpr Twips FromPixels(int pixels) { return {pixels * kTwipsPerPixel}; }
  friend constexpr Twips operator+(Twips a, Twips b) { return {WrappingAdd(a.value, b.value)}; }
  friend constexpr Twips operator-(Twips a, Twips b) {
    return {static_cast<int32_t>(static_cast<uint32_t>(a.value) - static_cast<uint32_t>(b.value))};
  }
  friend constexpr bool operator==(Twips a, Twips b) = default;
};

struct TwipsPoint {
  Twips x, y;
  friend constexpr bool operator==(TwipsPoint a, TwipsPoint b) = default;
};

struct TwipsRect {
  Twips xMin, xMax, yMin, yMax;
  constexpr Twips Width() const { return xMax - xMin; }
  constexpr Twips Height() const { return yMax - yMin; }
};

}  // namespace kestrova::swf
