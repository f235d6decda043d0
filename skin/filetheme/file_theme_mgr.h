// TsuiFileThemeMgr: the skin a TsuiFileTheme holds, looked up by index. An
// index is turned into its key through SkinKeyNames and asked of the skin.
//
//   TsuiFileThemeMgr mgr;
//   if (mgr.LoadFromFile(path, password))
//     color = mgr.GetColor(TsuiFileThemeColor{2});  // "SKIN2_FORMCOLOR"
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "skin/filetheme/skin_lookup.h"
#include "skin/skin_keys.h"

namespace kestrova::skin {

class TsuiFileThemeMgr {
 public:
  TsuiFileThemeMgr();
  ~TsuiFileThemeMgr();
  TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
  TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

  // Replaces the skin with the one in `fileName`: true when it loaded. A
  // file that does not exist keeps the current skin (and answers false);
  // any other failure leaves no skin. Nothing is raised.
  bool LoadFromFile(const std::string& fileName, const std::string& password);
  // Takes a skin loaded elsewhere, or drops the current one with null.
  void SetSkin(std::unique_ptr<SkinLookup> skin);
  bool HasSkin() const { return skin_ != nullptr; }

  // None without a skin or when it lacks the picture; owned by the skin.
  const framework::TBitmap* GetBitmap(TsuiFileThemeBitmap index) const;
  // 0 without a skin; -1 when the skin lacks the key or its value is no number.
  int32_t GetColor(TsuiFileThemeColor index) const;
  int32_t GetInteger(TsuiFileThemeInt index) const;
  // False without a skin or when the skin lacks the key.
  bool GetBool(TsuiFileThemeBool index) const;

 private:
  std::unique_ptr<SkinLookup> skin_;
};

}  // namespace kestrova::skin
