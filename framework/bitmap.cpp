#include "framework/bitmap.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <span>

#include "common/bmp.h"
#include "common/stdio_file.h"
#include "framework/class_builder.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

// Format notes: a BMP file is a 14-byte file header ("BM", file size, two
// reserved words, offset of the pixel bits) in front of a DIB: the info
// header (its first dword is its size: 12 for the OS/2 core header, 40 and
// up otherwise), bit-field masks after a 40-byte header with BI_BITFIELDS,
// the palette (3-byte entries after a core header, 4-byte otherwise), bits.
// RT_BITMAP resources hold the DIB alone.

uint32_t Read32(std::span<const uint8_t> d, size_t at) {
  return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 |
         uint32_t(d[at + 3]) << 24;
}

int DibDepth(std::span<const uint8_t> dib) {
  if (dib.size() < 16) return 0;
  return Read32(dib, 0) == 12 ? dib[10] | dib[11] << 8 : dib[14] | dib[15] << 8;
}

// A whole BMP file for a DIB, so the shared decoder can read resources.
std::vector<uint8_t> FileForDib(std::span<const uint8_t> dib) {
  if (dib.size() < 16) throw Error("BMP: header is truncated");
  uint32_t header = Read32(dib, 0);
  bool core = header == 12;
  int depth = DibDepth(dib);
  size_t offset = 14 + size_t(header);
  if (!core && dib.size() >= 36) {
    uint32_t compression = Read32(dib, 16), used = Read32(dib, 32);
    if (header == 40 && compression == 3) offset += 12;
    if (header == 40 && compression == 6) offset += 16;
    if (depth <= 8) offset += 4 * size_t(used ? std::min<uint32_t>(used, 256) : 1u << depth);
  } else if (core && depth <= 8) {
    offset += 3 * (size_t(1) << depth);
  }
  std::vector<uint8_t> file = {'B', 'M'};
  auto put = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) file.push_back(uint8_t(v >> (8 * i)));
  };
  put(uint32_t(14 + dib.size()));
  put(0);
  put(uint32_t(offset));
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

TPixelFormat FormatOfDepth(int bpp) {
  switch (bpp) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 16:
      return TPixelFormat::pf16bit;
    case 24:
      return TPixelFormat::pf24bit;
    default:
      return TPixelFormat::pf32bit;
  }
}

}  // namespace

const ClassInfo& TBitmap::StaticClass() {
  static const ClassInfo info = ClassBuilder<TBitmap>("TBitmap", &TPersistent::StaticClass())
                                    .Binary("Data", &TBitmap::Data, &TBitmap::SetData)
                                    .StoredWhen([](const TBitmap& b) { return !b.Empty(); })
                                    .Build();
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const PixelBuffer& pixels) { LoadPixels(pixels); }

TBitmap::TBitmap(const TBitmap& other) : TPersistent() { Assign(other); }

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) Assign(other);
  return *this;
}

TBitmap::~TBitmap() { canvas_.reset(); }

void TBitmap::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TBitmap*>(&source);
  if (!o) return TPersistent::Assign(source);
  if (o == this) return;
  LoadPixels(o->ToPixelBuffer());
  format_ = o->format_;
  transparent_ = o->transparent_;
  mode_ = o->mode_;
  transparent_color_ = o->transparent_color_;
  Changed();
}

void TBitmap::Allocate(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  BitmapHandle fresh;
  Pixel* bits = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    fresh.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0));
    if (!fresh)
      throw Error("Out of system resources: cannot create a bitmap of " + std::to_string(width) +
                  "x" + std::to_string(height));
    bits = static_cast<Pixel*>(p);
  }
  if (dc_) {
    // The canvas keeps its DC; the new bitmap takes the old one's place in it.
    HGDIOBJ previous = SelectObject(dc_, fresh ? HGDIOBJ(fresh.Get()) : dc_old_);
    if (!dc_old_) dc_old_ = previous;
  }
  bitmap_ = std::move(fresh);
  bits_ = bits;
  width_ = width;
  height_ = height;
  Touch();
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  PixelBuffer old = ToPixelBuffer();
  Allocate(width, height);
  PixelView v = Pixels();
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      v.At(x, y) = (x < old.Width() && y < old.Height()) ? old.At(x, y) : 0xFFFFFFFFu;
  Changed();
}

PixelView TBitmap::Pixels() {
  GdiFlush();
  Touch();
  return {bits_, width_, height_, width_};
}

PixelBuffer TBitmap::ToPixelBuffer() const {
  GdiFlush();
  PixelBuffer out(width_, height_);
  if (bits_) std::memcpy(out.View().pixels, bits_, size_t(width_) * height_ * sizeof(Pixel));
  return out;
}

void TBitmap::LoadPixels(const PixelBuffer& pixels) {
  Allocate(pixels.Width(), pixels.Height());
  if (bits_) std::memcpy(bits_, pixels.Data().data(), size_t(width_) * height_ * sizeof(Pixel));
  format_ = TPixelFormat::pf32bit;
  Changed();
}

HDC TBitmap::MemoryHandle() const { return const_cast<TBitmap*>(this)->Canvas().Handle(); }

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TCanvas>();
    canvas_->SetHandleSource([this] { return AcquireDc(); }, [this](HDC dc) { ReleaseDc(dc); });
    canvas_->OnChanging = [this] { Touch(); };
  }
  return *canvas_;
}

HDC TBitmap::AcquireDc() {
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ && bitmap_) dc_old_ = SelectObject(dc_, bitmap_.Get());
  return dc_;
}

void TBitmap::ReleaseDc(HDC dc) {
  if (dc_old_) SelectObject(dc, dc_old_);
  dc_old_ = nullptr;
  DeleteDC(dc);
  dc_ = nullptr;
}

HBITMAP TBitmap::KeyedHandle() const {
  if (keyed_ && keyed_version_ == version_) return keyed_.Get();
  PixelBuffer pixels = ToPixelBuffer();
  PixelView view = pixels.View();
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x) view.At(x, y) &= 0x00FFFFFFu;
  TBitmap copy(pixels);
  keyed_ = std::move(copy.bitmap_);
  keyed_version_ = version_;
  return keyed_.Get();
}

void TBitmap::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (mode_ == TTransparentMode::tmFixed && transparent_color_ != clDefault)
    return transparent_color_;
  if (!bits_) return clDefault;
  GdiFlush();
  return PixelToColor(bits_[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparent_color_ = color;
  mode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::LoadFromBmp(const std::vector<uint8_t>& file) {
  PixelBuffer pixels = DecodeBmp(file);
  LoadPixels(pixels);
  format_ = FormatOfDepth(DibDepth(std::span(file).subspan(14)));
}

void TBitmap::LoadFromFile(const std::string& path) {
  // Far more than any picture a form holds: a limit, so a huge file is an
  // error rather than an allocation.
  constexpr uint64_t kMaxPictureFile = 256u << 20;
  std::vector<uint8_t> file;
  if (ReadWholeFile(path, kMaxPictureFile, file) != ReadFileResult::kOk)
    throw Error("Cannot open file \"" + path + "\"");
  LoadFromBmp(file);
}

void TBitmap::LoadFromResourceName(HMODULE module, const std::string& name) {
  if (!module) module = GetModuleHandleW(nullptr);
  std::wstring wide = Widen(name);
  HRSRC res = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  HGLOBAL data = res ? LoadResource(module, res) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw Error("Resource " + name + " not found");
  LoadFromBmp(FileForDib({static_cast<const uint8_t*>(bytes), SizeofResource(module, res)}));
}

std::vector<uint8_t> TBitmap::SaveToBmp() const {
  PixelBuffer pixels = ToPixelBuffer();
  return EncodeBmp24(pixels.View());
}

std::vector<uint8_t> TBitmap::Data() const {
  return Empty() ? std::vector<uint8_t>{} : SaveToBmp();
}

void TBitmap::SetData(const std::vector<uint8_t>& data) {
  if (data.empty()) return Clear();
  // Stored pictures may carry their length in front of the file.
  if (data.size() >= 6 && data[0] != 'B' && data[4] == 'B' && data[5] == 'M')
    return LoadFromBmp({data.begin() + 4, data.end()});
  LoadFromBmp(data);
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

}  // namespace kestrova::framework
