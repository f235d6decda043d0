// Stored states of the preview control for tests, in the layout
// movie/control/flash_state.h reads.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::testing {

// A block of `size` bytes (0: just large enough) naming `settings`, with
// `count` as its number of settings (-1: the true number).
inline std::vector<uint8_t> FlashStateBlock(const std::vector<std::string>& settings,
                                            size_t size = 300, int count = -1) {
  std::vector<uint8_t> block = {'K', 'S', 'F', '1', 0, 0, 0, 0};
  for (const std::string& text : settings) {
    for (char c : text) block.insert(block.end(), {uint8_t(c), 0});
    block.insert(block.end(), {0, 0});
  }
  if (size == 0) size = block.size();
  block.resize(std::max(size, block.size()));
  block[4] = uint8_t(size), block[5] = uint8_t(size >> 8);
  if (count < 0) count = int(settings.size());
  block[6] = uint8_t(count), block[7] = uint8_t(count >> 8);
  return block;
}

}  // namespace kestrova::testing
