// The text sample of kestrova-mkswf: edit text fields in the device font
// and in an embedded seven-segment font, aligned and wrapped.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrova::mkswf {

std::vector<uint8_t> TextMovie(bool compress);

}  // namespace kestrova::mkswf
