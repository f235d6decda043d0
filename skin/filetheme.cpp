#include "skin/filetheme.h"

#include "framework/class_builder.h"
#include "skin/frames.h"

namespace kestrova::skin {

using framework::TBitmap;

const framework::ClassInfo& TsuiFileTheme::StaticClass() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TsuiFileTheme>("TsuiFileTheme", &TComponent::StaticClass()).Build();
  return info;
}

TsuiFileTheme::TsuiFileTheme(framework::TComponent* owner) : TComponent(owner) {}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetSkin(std::unique_ptr<SkinLookup> skin) {
  skin_ = std::move(skin);
  ready_ = skin_ != nullptr;
}

const TBitmap* TsuiFileTheme::GetBitmap(TsuiFileThemeBitmap index) const {
  const std::string_view key = SkinKeyName(index);
  return skin_ && !key.empty() ? skin_->GetBitmap(key) : nullptr;
}

void TsuiFileTheme::GetBitmapFrame(TsuiFileThemeBitmap index, TBitmap& destination, int count,
                                   int frame) const {
  const TBitmap* picture = GetBitmap(index);
  if (!picture) {
    destination.Clear();
    return;
  }
  if (count == 0 || frame == 0) {
    destination.Assign(*picture);
    return;
  }
  const PixelBuffer pixels = picture->ToPixelBuffer();
  destination.LoadPixels(CutFrame(pixels.View(), count, frame));
}

int32_t TsuiFileTheme::GetColor(TsuiFileThemeColor index) const {
  if (!skin_) return 0;
  const std::string_view key = SkinKeyName(index);
  return key.empty() ? -1 : skin_->GetInteger(key);
}

int32_t TsuiFileTheme::GetInteger(TsuiFileThemeInt index) const {
  if (!skin_) return 0;
  const std::string_view key = SkinKeyName(index);
  return key.empty() ? -1 : skin_->GetInteger(key);
}

bool TsuiFileTheme::GetBool(TsuiFileThemeBool index) const {
  const std::string_view key = SkinKeyName(index);
  return skin_ && !key.empty() && skin_->GetBool(key);
}

}  // namespace kestrova::skin
