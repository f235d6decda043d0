#include "framework/image_list.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/class_builder.h"

namespace kestrova::framework {
namespace {

// Reads the canvas's pixels under the rectangle into a DIB, lets `edit`
// change them and puts them back: GDI has no per-pixel mask test of its own
// that ignores the alpha byte GDI leaves undefined.
template <class Edit>
void EditCanvasPixels(TCanvas& canvas, int x, int y, int w, int h, Edit edit) {
  TBitmap buffer(w, h);
  HDC dc = canvas.Handle();
  BitBlt(buffer.MemoryHandle(), 0, 0, w, h, dc, x, y, SRCCOPY);
  edit(buffer.Pixels());
  BitBlt(dc, x, y, w, h, buffer.MemoryHandle(), 0, 0, SRCCOPY);
}

bool IsInk(Pixel p) { return (p & 0x00FFFFFFu) != 0x00FFFFFFu; }

}  // namespace

const ClassInfo& TImageList::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TImageList>("TImageList", &TComponent::StaticClass())
          .Integer("Height", &TImageList::Height, &TImageList::SetHeight, 16)
          .Integer("Width", &TImageList::Width, &TImageList::SetWidth, 16)
          .Event("OnChange", &TImageList::OnChange)
          .Build();
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int width) { Resize(width, height_); }

void TImageList::SetHeight(int height) { Resize(width_, height); }

void TImageList::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width, height_ = height;
  images_.clear();
  Changed();
}

int TImageList::Add(const TBitmap& bitmap) { return AddImages(bitmap, nullptr); }

int TImageList::AddMasked(const TBitmap& bitmap, TColor mask_color) {
  uint32_t rgb = ColorToRGB(mask_color);
  return AddImages(bitmap, &rgb);
}

int TImageList::AddImages(const TBitmap& bitmap, const uint32_t* mask_rgb) {
  int first = Count();
  PixelBuffer source = bitmap.ToPixelBuffer();
  int count = std::max(1, source.Width() / width_);
  for (int n = 0; n < count; ++n) {
    Image image{PixelBuffer(width_, height_), std::vector<bool>(size_t(width_) * height_, true)};
    for (int y = 0; y < height_ && y < source.Height(); ++y)
      for (int x = 0; x < width_ && n * width_ + x < source.Width(); ++x) {
        Pixel p = source.At(n * width_ + x, y) | 0xFF000000u;
        image.pixels.At(x, y) = p;
        image.see_through[size_t(y) * width_ + x] = mask_rgb && PixelToColor(p) == *mask_rgb;
      }
    images_.push_back(std::move(image));
  }
  Changed();
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count()) return false;
  bitmap.LoadPixels(images_[size_t(index)].pixels);
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count() || !canvas.HandleAllocated()) return;
  const Image& image = images_[size_t(index)];
  auto drawn = [&](int px, int py) {
    return !image.see_through[size_t(py) * width_ + px] &&
           (enabled || IsInk(image.pixels.At(px, py)));
  };
  Pixel highlight = ColorToPixel(ColorToRGB(clBtnHighlight));
  Pixel shadow = ColorToPixel(ColorToRGB(clBtnShadow));
  EditCanvasPixels(canvas, x, y, width_, height_, [&](PixelView dest) {
    for (int py = 0; py < height_; ++py)
      for (int px = 0; px < width_; ++px) {
        if (enabled) {
          if (drawn(px, py)) dest.At(px, py) = image.pixels.At(px, py);
          continue;
        }
        // The embossed look: each inked pixel casts a highlight one pixel
        // down and right, then is drawn itself in the shadow colour.
        if (drawn(px, py))
          dest.At(px, py) = shadow;
        else if (px > 0 && py > 0 && drawn(px - 1, py - 1))
          dest.At(px, py) = highlight;
      }
  });
}

}  // namespace kestrova::framework
