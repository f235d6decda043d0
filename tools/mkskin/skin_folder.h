// A skin's source folder, as kestrova-mkskin reads it:
//   NAME.bmp    the picture NAME (any BMP the decoder reads; stored as is)
//   skin.txt    one value per line: "integer NAME=VALUE", "flag NAME=VALUE"
//               (0-255) or "text NAME=VALUE"; blank lines and lines
//               starting with '#' are skipped
// Pictures come first, by file name, then the values in file order.
#pragma once

#include <string>
#include <vector>

#include "tools/mkskin/skin_data_writer.h"

namespace kestrova {

inline constexpr const char* kSkinValuesFile = "skin.txt";

// Raises Error naming the file and line of anything it cannot use.
std::vector<SkinDataEntry> ReadSkinFolder(const std::string& folder);

// One line of skin.txt; `where` names it in error messages.
SkinDataEntry ParseValueLine(const std::string& line, const std::string& where);

}  // namespace kestrova
