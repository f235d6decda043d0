#include "framework/icon.h"

#include <cstdlib>

#include "common/error.h"
#include "framework/class_builder.h"
#include "framework/text.h"

namespace kestrova::framework {

const ClassInfo& TIcon::StaticClass() {
  static const ClassInfo info = ClassBuilder<TIcon>("TIcon", &TPersistent::StaticClass())
                                    .Binary("Data", &TIcon::Data, &TIcon::SetData)
                                    .StoredWhen([](const TIcon& i) { return !i.Data().empty(); })
                                    .Build();
  return info;
}

void TIcon::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TIcon*>(&source);
  if (!o) return TPersistent::Assign(source);
  if (o == this) return;
  icon_.Reset(o->icon_ ? CopyIcon(o->icon_.Get()) : nullptr);
  small_.Reset(o->small_ ? CopyIcon(o->small_.Get()) : nullptr);
  width_ = o->width_, height_ = o->height_;
  data_ = o->data_;
}

// Format notes: an .ico file is ICONDIR (reserved 0, type 1, count), then
// 16-byte entries (width, height, colours, reserved, planes, bit count, size
// of the image, its offset); each image is a DIB (height doubled for the AND
// mask) or a PNG, as CreateIconFromResourceEx takes it.
void TIcon::LoadFromIco(const std::vector<uint8_t>& f) {
  auto u16 = [&](size_t at) { return uint32_t(f[at] | f[at + 1] << 8); };
  auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  if (f.size() < 6 || u16(0) != 0 || u16(2) != 1) throw Error("Not an icon file");
  size_t count = u16(4);
  if (count == 0 || f.size() < 6 + 16 * count) throw Error("Icon file is truncated");
  auto image = [&](int want) -> HICON {
    size_t best = 0;
    int best_diff = INT32_MAX;
    for (size_t i = 0; i < count; ++i) {
      int side = f[6 + 16 * i] ? f[6 + 16 * i] : 256;
      if (std::abs(side - want) < best_diff) best = i, best_diff = std::abs(side - want);
    }
    size_t e = 6 + 16 * best;
    uint32_t size = u32(e + 8), at = u32(e + 12);
    if (at > f.size() || size > f.size() - at) throw Error("Icon file is truncated");
    HICON h = CreateIconFromResourceEx(const_cast<BYTE*>(f.data() + at), size, TRUE, 0x00030000,
                                       want, want, 0);
    if (!h) throw Error("Icon image is not valid");
    return h;
  };
  IconHandle big(image(32));
  IconHandle small(image(16));
  icon_ = std::move(big);
  small_ = std::move(small);
  data_ = f;
  MeasureIcon();
}

void TIcon::SetData(const std::vector<uint8_t>& data) {
  if (data.empty()) {
    icon_.Reset(), small_.Reset(), data_.clear();
    width_ = height_ = 0;
    return;
  }
  LoadFromIco(data);
}

void TIcon::LoadFromResourceName(HMODULE module, const std::string& name) {
  if (!module) module = GetModuleHandleW(nullptr);
  std::wstring wide = Widen(name);
  auto* big =
      static_cast<HICON>(LoadImageW(module, wide.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (!big) throw Error("Resource " + name + " not found");
  auto* small = static_cast<HICON>(LoadImageW(module, wide.c_str(), IMAGE_ICON, 16, 16, 0));
  if (!small) small = static_cast<HICON>(CopyImage(big, IMAGE_ICON, 16, 16, 0));
  icon_.Reset(big);
  small_.Reset(small);
  data_.clear();
  MeasureIcon();
}

void TIcon::MeasureIcon() {
  ICONINFO info{};
  if (GetIconInfo(icon_.Get(), &info)) {
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    width_ = bm.bmWidth;
    height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
}

}  // namespace kestrova::framework
