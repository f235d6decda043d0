// Automatic accelerators: captions of one menu level without "&" get one on
// the first letter or digit no other caption of the level uses already.
//
//   AutoHotkeyCaptions({"&File", "Find", "Format"}) == {"&File", "F&ind", "F&ormat"}
#pragma once

#include <string>
#include <vector>

namespace kestrova::framework {

std::vector<std::string> AutoHotkeyCaptions(const std::vector<std::string>& captions);

}  // namespace kestrova::framework
