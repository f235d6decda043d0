// Feeds arbitrary bytes to the BMP decoder: a picture or an Error, never a
// crash, a read outside the input or a picture of other than its header's
// size; and a decoded picture survives the 24-bit encoder's round trip.
#include <cstdint>
#include <cstdlib>

#include "common/bmp.h"
#include "common/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kestrova::PixelBuffer picture;
  try {
    picture = kestrova::DecodeBmp(data, size);
  } catch (const kestrova::Error&) {
    return 0;
  }
  if (picture.Empty() || int64_t(picture.Width()) * picture.Height() > kestrova::kBmpMaxPixels)
    std::abort();
  if (int64_t(picture.Width()) * picture.Height() > 4096) return 0;
  kestrova::PixelBuffer again = kestrova::DecodeBmp(kestrova::EncodeBmp24(picture.View()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if ((again.At(x, y) & 0xFFFFFF) != (picture.At(x, y) & 0xFFFFFF)) std::abort();
  return 0;
}
