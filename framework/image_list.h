// TImageList: images of one size, each opaque or with a mask colour whose
// pixels are see-through, drawn as they are or greyed (disabled).
//
//   auto* images = new TImageList(form);         // 16 x 16 images
//   images->AddMasked(strip, clFuchsia);         // a 48 x 16 strip adds three
//   images->Draw(canvas, 4, 3, 1);               // image 1, magenta left as it was
//   images->Draw(canvas, 4, 3, 1, false);        // the same, greyed
#pragma once

#include <vector>

#include "common/pixels.h"
#include "framework/canvas.h"
#include "framework/colors.h"
#include "framework/component.h"
#include "framework/events.h"

namespace kestrova::framework {

class TBitmap;

class TImageList : public TComponent {
  KESTROVA_CLASS(TImageList)

 public:
  explicit TImageList(TComponent* owner);

  // Changing the size empties the list.
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const { return int(images_.size()); }

  // One image per Width pixels across the bitmap (at least one); parts of an
  // image the bitmap does not cover are see-through. Returns the first new index.
  int Add(const TBitmap& bitmap);
  int AddMasked(const TBitmap& bitmap, TColor mask_color);
  void Delete(int index);
  void Clear();

  // The image's pixels as added (see-through ones keep their mask colour),
  // in a bitmap of Width x Height; false for an index out of range.
  bool GetBitmap(int index, TBitmap& bitmap) const;
  // Draws image `index` with its top-left corner at (x, y); nothing for an
  // index out of range. Disabled: the image's non-white pixels embossed in the
  // button highlight and shadow colours, the rest left as it was.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  TNotifyEvent OnChange;

 private:
  struct Image {
    PixelBuffer pixels;
    std::vector<bool> see_through;  // row by row
  };
  int AddImages(const TBitmap& bitmap, const uint32_t* mask_rgb);
  void Resize(int width, int height);
  void Changed() { OnChange(this); }

  int width_ = 16;
  int height_ = 16;
  std::vector<Image> images_;
};

}  // namespace kestrova::framework
