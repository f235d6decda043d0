// TsuiFileTheme as the skinned components see it: a non-visual component
// that answers the file-theme look-ups by index from a loaded skin, and
// neutral values (no picture, 0, false) while none is loaded.
//
//   TsuiUIStyle style;
//   if (UsingFileTheme(theme, UIStyle(), style))
//     theme->GetBitmapFrame(TsuiFileThemeBitmap{15}, picture, 3, 1);  // "SKIN2_BUTTON"
//   else
//     GetBuiltInBitmap(style, entry::kButton, &picture, 3, 1);
//
// Loading a skin file (the theme's manager and the skin file reader) plugs in
// through SetSkin: the loaded skin answers by key name.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "skin/skin_keys.h"

namespace kestrova::skin {

// The loaded skin's entries by key name.
class SkinLookup {
 public:
  virtual ~SkinLookup() = default;
  // The picture under the name, owned by the skin; null when absent.
  virtual const framework::TBitmap* GetBitmap(std::string_view name) const = 0;
  // -1 when the name is absent or its value is not a decimal integer.
  virtual int32_t GetInteger(std::string_view name) const = 0;
  // False when the name is absent.
  virtual bool GetBool(std::string_view name) const = 0;
};

class TsuiFileTheme : public framework::TComponent {
  KESTROVA_CLASS(TsuiFileTheme)

 public:
  explicit TsuiFileTheme(framework::TComponent* owner);
  ~TsuiFileTheme() override;

  // True while a skin is loaded.
  bool Ready() const { return ready_; }

  // The picture of the key; none without a skin or when the skin lacks it.
  // Owned by the skin: copy it, and do not keep it across a reload.
  const framework::TBitmap* GetBitmap(TsuiFileThemeBitmap index) const;
  // The whole picture (count or frame 0) or frame `frame` (from 1) of `count`
  // equal frames into `destination`; without the picture the destination is
  // left empty.
  void GetBitmapFrame(TsuiFileThemeBitmap index, framework::TBitmap& destination, int count,
                      int frame) const;
  // The integer under the key: -1 when the skin lacks it or it is not a
  // decimal integer, 0 without a skin.
  int32_t GetColor(TsuiFileThemeColor index) const;
  int32_t GetInteger(TsuiFileThemeInt index) const;
  // False when absent or without a skin.
  bool GetBool(TsuiFileThemeBool index) const;

 protected:
  // Takes a loaded skin (Ready becomes true), or drops it with null.
  void SetSkin(std::unique_ptr<SkinLookup> skin);
  const SkinLookup* Skin() const { return skin_.get(); }

 private:
  std::unique_ptr<SkinLookup> skin_;
  bool ready_ = false;
};

}  // namespace kestrova::skin
