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
// The loading side: ThemeFile finds the file (as given, else its name in the
// program's folder, the Windows directory, the system directory), loads it
// and has every "Tsui" component on the owner form that uses the theme apply
// its look again; Password reloads. A file that fails to load leaves the
// theme not Ready, silently.
//
//   auto* theme = new TsuiFileTheme(form);
//   theme->SetThemeFile("blue.skn");     // ThemeFile() is now the full path
//   button->SetFileTheme(theme);
//   button->SetUIStyle(TsuiUIStyle::FromThemeFile);
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "skin/filetheme/skin_lookup.h"
#include "skin/skin_keys.h"

namespace kestrova::skin {

class TsuiFileThemeMgr;

class TsuiFileTheme : public framework::TComponent {
  KESTROVA_CLASS(TsuiFileTheme)

 public:
  explicit TsuiFileTheme(framework::TComponent* owner);
  ~TsuiFileTheme() override;

  // True while a skin is loaded. Assigning it (as a design may) does nothing.
  bool Ready() const { return ready_; }
  // Moves with every skin loaded or set.
  uint64_t Version() const { return version_; }
  void SetReady(bool) {}

  // The path of the skin file last found; setting it searches and loads.
  // A name found nowhere changes nothing.
  const std::string& ThemeFile() const { return theme_file_; }
  void SetThemeFile(const std::string& value);
  // Stored for the next load; a non-empty one reloads ThemeFile at once.
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& password);

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

 private:
  std::unique_ptr<TsuiFileThemeMgr> mgr_;
  std::string theme_file_;
  bool ready_ = false;
  uint64_t version_ = 0;
  std::string password_;
};

// Lets stored designs name TsuiFileTheme; once is enough, again is harmless.
void RegisterFileThemeClasses();

}  // namespace kestrova::skin
