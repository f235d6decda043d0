#include <zlib.h>

#include "common/error.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {

std::vector<uint8_t> DeflateRaw(const std::vector<uint8_t>& data, int level, int strategy,
                                int memLevel) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -15, memLevel, strategy) != Z_OK)
    throw Error("zlib: cannot start deflating");
  std::vector<uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  int status = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (status != Z_STREAM_END) throw Error("zlib: deflating failed");
  return out;
}

}  // namespace kestrova
