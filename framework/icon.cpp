#include "framework/icon.h"

#include "common/error.h"
#include "framework/class_builder.h"
#include "framework/text.h"

namespace kestrova::framework {

const ClassInfo& TIcon::StaticClass() {
  static const ClassInfo info = ClassBuilder<TIcon>("TIcon", &TPersistent::StaticClass()).Build();
  return info;
}

void TIcon::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TIcon*>(&source);
  if (!o) return TPersistent::Assign(source);
  if (o == this) return;
  icon_.Reset(o->icon_ ? CopyIcon(o->icon_.Get()) : nullptr);
  small_.Reset(o->small_ ? CopyIcon(o->small_.Get()) : nullptr);
  width_ = o->width_, height_ = o->height_;
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
  ICONINFO info{};
  if (GetIconInfo(big, &info)) {
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    width_ = bm.bmWidth;
    height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
}

}  // namespace kestrova::framework
