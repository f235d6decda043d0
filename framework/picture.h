// TPicture: holds a picture (a TBitmap) for published properties. Its design
// data is the class name as a length-prefixed string, then the picture's data
// ("\x07TBitmap" + a BMP file).
//
//   picture.Bitmap().LoadFromResourceName(nullptr, "LOGO");
//   if (!picture.Empty()) canvas.Draw(0, 0, picture.Bitmap());
#pragma once

#include <cstdint>
#include <vector>

#include "framework/bitmap.h"

namespace kestrova::framework {

class TPicture : public TPersistent {
  KESTROVA_CLASS(TPicture)

 public:
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // A TPicture or a TBitmap.
  void Assign(const TPersistent& source) override;

  std::vector<uint8_t> Data() const;
  // Raises Error for a picture class other than TBitmap.
  void SetData(const std::vector<uint8_t>& data);

 private:
  TBitmap bitmap_;
};

}  // namespace kestrova::framework
