#include "skin/filetheme.h"

#include "common/os_services.h"
#include "framework/class_builder.h"
#include "framework/class_registry.h"
#include "skin/filetheme/file_theme_mgr.h"
#include "skin/filetheme/theme_file_search.h"
#include "skin/filetheme/theme_folders.h"
#include "skin/filetheme/theme_refresh.h"
#include "skin/frames.h"

namespace kestrova::skin {

using framework::TBitmap;

const framework::ClassInfo& TsuiFileTheme::StaticClass() {
  // ThemeFile comes before Password, so that a design loads an encrypted
  // skin (quietly failing first) once its password is read.
  static const framework::ClassInfo info =
      framework::ClassBuilder<TsuiFileTheme>("TsuiFileTheme", &TComponent::StaticClass())
          .String("ThemeFile", &TsuiFileTheme::ThemeFile, &TsuiFileTheme::SetThemeFile)
          .Boolean("Ready", &TsuiFileTheme::Ready, &TsuiFileTheme::SetReady, false)
          .String("Password", &TsuiFileTheme::Password, &TsuiFileTheme::SetPassword)
          .Build();
  return info;
}

void RegisterFileThemeClasses() { framework::RegisterClasses({&TsuiFileTheme::StaticClass()}); }

TsuiFileTheme::TsuiFileTheme(framework::TComponent* owner)
    : TComponent(owner), mgr_(std::make_unique<TsuiFileThemeMgr>()) {}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetThemeFile(const std::string& value) {
  const bool firstLoad = theme_file_.empty();
  const auto found = FindThemeFile(value, ThemeSearchFolders(), os::FileExists);
  if (!found) return;
  theme_file_ = *found;
  const bool wasReady = ready_;
  ready_ = mgr_->LoadFromFile(theme_file_, password_);
  ++version_;
  // A skin that failed to replace a loaded one is gone too: its users take
  // their fallback look now rather than keep half of the old one.
  if (ready_ || wasReady) RefreshThemeUsers(*this, !firstLoad);
}

void TsuiFileTheme::SetPassword(const std::string& password) {
  password_ = password;
  if (!password_.empty()) SetThemeFile(theme_file_);
}

void TsuiFileTheme::SetSkin(std::unique_ptr<SkinLookup> skin) {
  ready_ = skin != nullptr;
  mgr_->SetSkin(std::move(skin));
  ++version_;
}

const TBitmap* TsuiFileTheme::GetBitmap(TsuiFileThemeBitmap index) const {
  return mgr_->GetBitmap(index);
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

int32_t TsuiFileTheme::GetColor(TsuiFileThemeColor index) const { return mgr_->GetColor(index); }

int32_t TsuiFileTheme::GetInteger(TsuiFileThemeInt index) const { return mgr_->GetInteger(index); }

bool TsuiFileTheme::GetBool(TsuiFileThemeBool index) const { return mgr_->GetBool(index); }

}  // namespace kestrova::skin
