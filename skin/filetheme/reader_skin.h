// ReaderSkin: the skin a file theme loaded through Tsk2SkinFileReader, its
// pictures turned into bitmaps once, at load. The bitmaps belong to the
// skin; users copy them.
//
//   auto skin = ReaderSkin::Load(path, password);  // null unless SkinLoaded
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/filetheme/skin_file_reader.h"
#include "skin/filetheme/skin_lookup.h"

namespace kestrova::skin {

class ReaderSkin : public SkinLookup {
 public:
  explicit ReaderSkin(std::unique_ptr<Tsk2SkinFileReader> reader);

  // The skin in `fileName`, or null when the reader raises or ends without
  // a loaded skin (a missing or wrong password, a damaged file).
  static std::unique_ptr<ReaderSkin> Load(const std::string& fileName, const std::string& password);

  const framework::TBitmap* GetBitmap(std::string_view name) const override;
  int32_t GetInteger(std::string_view name) const override;
  bool GetBool(std::string_view name) const override;

 private:
  std::unique_ptr<Tsk2SkinFileReader> reader_;
  // In the reader's order, so the first of two equal names wins here too.
  std::vector<std::pair<std::string, std::unique_ptr<framework::TBitmap>>> pictures_;
};

}  // namespace kestrova::skin
