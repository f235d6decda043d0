// The Windows build links no zlib: its skin writer (used by the tests under
// Wine) stores members in uncompressed DEFLATE blocks.
#include "common/zlib_stream.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {

std::vector<uint8_t> DeflateRaw(const std::vector<uint8_t>& data, int, int, int) {
  return DeflateStore(data);
}

}  // namespace kestrova
