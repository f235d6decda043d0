// TBitmap: a 32-bit top-down DIB section. Its pixels are a kestrova::PixelView,
// so the portable pixel routines work on it directly; its canvas draws with GDI.
//
//   TBitmap b(64, 32);
//   b.Canvas().FillRect({0, 0, 64, 32});
//   PixelView px = b.Pixels();            // GDI is flushed first
//   b.LoadFromResourceName(nullptr, "MACOS_BUTTON");
//   b.SetTransparent(true);               // transparent colour: the top-left pixel
//
// A bitmap holds a memory DC only once something draws on its canvas (or
// asks for MemoryHandle); drawing it onto another canvas needs none of its
// own.
//
// PixelFormat is recorded (designs and BMP writing use it); storage is always
// 32 bits per pixel. GDI drawing leaves the alpha byte as GDI pleases.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/pixels.h"
#include "framework/canvas.h"
#include "framework/colors.h"
#include "framework/handles.h"
#include "framework/persistent.h"

namespace kestrova::framework {

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TPersistent {
  KESTROVA_CLASS(TBitmap)

 public:
  TBitmap();
  TBitmap(int width, int height);
  explicit TBitmap(const PixelBuffer& pixels);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  ~TBitmap() override;

  // Deep copy of pixels, format and transparency.
  void Assign(const TPersistent& source) override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Keeps the overlapping top-left part; new pixels are white.
  void SetSize(int width, int height);
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  void Clear() { SetSize(0, 0); }

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format) { format_ = format; }

  PixelView Pixels();
  PixelBuffer ToPixelBuffer() const;
  void LoadPixels(const PixelBuffer& pixels);

  TCanvas& Canvas();
  HBITMAP Handle() const { return bitmap_.Get(); }
  // A memory DC with the bitmap selected (the canvas's), for blitting from it.
  HDC MemoryHandle() const;
  // The memory DC if the bitmap holds one now, else null (nothing is made).
  HDC HeldMemoryHandle() const { return dc_; }
  // The pixels with the fourth byte cleared, for blits that compare colours
  // (GDI's colour-keyed blit may compare that byte, which GDI drawing leaves
  // as it pleases). Owned by the bitmap; made again only after the pixels
  // changed.
  HBITMAP KeyedHandle() const;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TTransparentMode TransparentMode() const { return mode_; }
  void SetTransparentMode(TTransparentMode mode);
  // tmAuto: the top-left pixel's colour; tmFixed: the colour set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  // A BMP file of any depth (common/bmp.h); raises Error on bad data.
  void LoadFromBmp(const std::vector<uint8_t>& file);
  void LoadFromFile(const std::string& path);
  // An RT_BITMAP resource by name of `module` (nullptr: the program).
  void LoadFromResourceName(HMODULE module, const std::string& name);
  // A 24-bit BMP file (alpha is not kept).
  std::vector<uint8_t> SaveToBmp() const;

  // Design data: a BMP file, optionally behind its 4-byte length.
  std::vector<uint8_t> Data() const;
  void SetData(const std::vector<uint8_t>& data);

  std::function<void()> OnChange;

 private:
  void Allocate(int width, int height);
  void Changed();
  HDC AcquireDc();
  void ReleaseDc(HDC dc);
  void Touch() const { ++version_; }

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pfDevice;
  BitmapHandle bitmap_;
  Pixel* bits_ = nullptr;
  HDC dc_ = nullptr;  // the canvas's, while it has one
  HGDIOBJ dc_old_ = nullptr;
  mutable std::unique_ptr<TCanvas> canvas_;
  // Counts possible pixel changes, so the keyed copy knows when it is stale.
  mutable uint64_t version_ = 0;
  mutable BitmapHandle keyed_;
  mutable uint64_t keyed_version_ = 0;
  bool transparent_ = false;
  TTransparentMode mode_ = TTransparentMode::tmAuto;
  TColor transparent_color_ = clDefault;
};

}  // namespace kestrova::framework
