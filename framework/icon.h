// TIcon: an icon from the program's resources, with a 16x16 copy for small
// places (title bars, the task bar).
//
//   TIcon icon;
//   icon.LoadFromResourceName(nullptr, "MAINICON");
//   DrawIconEx(dc, x, y, icon.SmallHandle(), 16, 16, 0, nullptr, DI_NORMAL);
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/persistent.h"

namespace kestrova::framework {

class TIcon : public TPersistent {
  KESTROVA_CLASS(TIcon)

 public:
  TIcon() = default;
  TIcon(const TIcon& other) : TPersistent() { Assign(other); }
  TIcon& operator=(const TIcon& other) {
    Assign(other);
    return *this;
  }
  void Assign(const TPersistent& source) override;

  // Raises Error when the module has no such icon.
  void LoadFromResourceName(HMODULE module, const std::string& name);
  // An .ico file: the image nearest 32x32 and the one nearest 16x16.
  void LoadFromIco(const std::vector<uint8_t>& file);
  // Design data: the .ico file it was loaded from (empty otherwise).
  const std::vector<uint8_t>& Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& data);
  bool Empty() const { return !icon_; }
  HICON Handle() const { return icon_.Get(); }
  HICON SmallHandle() const { return small_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void MeasureIcon();

  std::vector<uint8_t> data_;
  IconHandle icon_;
  IconHandle small_;
  int width_ = 0, height_ = 0;
};

}  // namespace kestrova::framework
