// Writing the skin data file (the "SKINDATA.SK2" member of a skin archive):
// a 24-byte header, the 77-byte entry records followed by the closing
// record, then the entries' data. See skin/skin_file_reader.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/filetheme/skin_file_reader.h"

namespace kestrova {

struct SkinDataEntry {
  std::string name;  // at most 64 characters
  uint8_t type = kSkinPicture;
  std::vector<uint8_t> data;
};

SkinDataEntry PictureEntry(const std::string& name, std::vector<uint8_t> bmp);
SkinDataEntry IntegerEntry(const std::string& name, int32_t value);
SkinDataEntry FlagEntry(const std::string& name, uint8_t value);
SkinDataEntry TextEntry(const std::string& name, const std::string& text);

// Raises Error for a name longer than 64 characters.
std::vector<uint8_t> BuildSkinData(const std::vector<SkinDataEntry>& entries);

}  // namespace kestrova
