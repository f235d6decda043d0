#include "skin/filetheme/file_theme_mgr.h"

#include "common/os_services.h"
#include "skin/filetheme/reader_skin.h"

namespace kestrova::skin {

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;

TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::LoadFromFile(const std::string& fileName, const std::string& password) {
  if (!os::FileExists(fileName)) return false;
  // The old skin goes first: its pictures are never alive beside the new ones.
  skin_.reset();
  skin_ = ReaderSkin::Load(fileName, password);
  return skin_ != nullptr;
}

void TsuiFileThemeMgr::SetSkin(std::unique_ptr<SkinLookup> skin) { skin_ = std::move(skin); }

const framework::TBitmap* TsuiFileThemeMgr::GetBitmap(TsuiFileThemeBitmap index) const {
  const std::string_view key = SkinKeyName(index);
  return skin_ && !key.empty() ? skin_->GetBitmap(key) : nullptr;
}

int32_t TsuiFileThemeMgr::GetColor(TsuiFileThemeColor index) const {
  if (!skin_) return 0;
  const std::string_view key = SkinKeyName(index);
  return key.empty() ? -1 : skin_->GetInteger(key);
}

int32_t TsuiFileThemeMgr::GetInteger(TsuiFileThemeInt index) const {
  if (!skin_) return 0;
  const std::string_view key = SkinKeyName(index);
  return key.empty() ? -1 : skin_->GetInteger(key);
}

bool TsuiFileThemeMgr::GetBool(TsuiFileThemeBool index) const {
  const std::string_view key = SkinKeyName(index);
  return skin_ && !key.empty() && skin_->GetBool(key);
}

}  // namespace kestrova::skin
