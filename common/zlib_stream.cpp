#include "common/zlib_stream.h"

#include <algorithm>
#include <array>

#include "common/error.h"
#include "common/inflater.h"

// Format notes (RFC 1950). CMF: low nibble the method (8, DEFLATE), high
// nibble log2(window) - 8 (at most 7: 32 KB). FLG: bit 5 a preset
// dictionary follows (unsupported here), and CMF * 256 + FLG is a multiple
// of 31. Then the DEFLATE blocks and the Adler-32 of the output, most
// significant byte first.

namespace kestrova {
namespace {

constexpr uint32_t kAdlerBase = 65521;
// The most bytes whose sums cannot overflow 32 bits before the modulo.
constexpr size_t kAdlerRun = 5552;

class AdlerSink : public ByteSink {
 public:
  explicit AdlerSink(ByteSink& inner) : inner_(inner) {}
  void Write(const uint8_t* data, size_t size) override {
    adler = Adler32({data, size}, adler);
    inner_.Write(data, size);
  }
  uint32_t adler = 1;

 private:
  ByteSink& inner_;
};

void ReadHeader(ByteSource& in) {
  std::array<uint8_t, 2> header{};
  size_t got = 0;
  while (got < header.size()) {
    size_t n = in.Read(header.data() + got, header.size() - got);
    if (n == 0) throw Error(kInflateTruncated);
    got += n;
  }
  bool deflate = (header[0] & 0x0F) == 8 && (header[0] >> 4) <= 7;
  if (!deflate || (header[0] * 256u + header[1]) % 31 != 0) throw Error(kZlibBadHeader);
  if (header[1] & 0x20) throw Error(kZlibPresetDictionary);
}

}  // namespace

uint32_t Adler32(std::span<const uint8_t> data, uint32_t adler) {
  uint32_t a = adler & 0xFFFF;
  uint32_t b = adler >> 16;
  while (!data.empty()) {
    size_t n = std::min(data.size(), kAdlerRun);
    for (uint8_t byte : data.first(n)) {
      a += byte;
      b += a;
    }
    a %= kAdlerBase;
    b %= kAdlerBase;
    data = data.subspan(n);
  }
  return (b << 16) | a;
}

void InflateZlib(ByteSource& in, ByteSink& out) {
  ReadHeader(in);
  AdlerSink checked(out);
  std::array<uint8_t, 4> trailer{};
  InflateRaw(in, checked, trailer);
  uint32_t stated = (uint32_t(trailer[0]) << 24) | (uint32_t(trailer[1]) << 16) |
                    (uint32_t(trailer[2]) << 8) | trailer[3];
  if (stated != checked.adler) throw Error(kZlibBadChecksum);
}

// Stored blocks: a block header byte (final bit, type 0), LEN and NLEN
// little-endian, then at most 65535 bytes as they are.
std::vector<uint8_t> DeflateStore(std::span<const uint8_t> data) {
  constexpr size_t kMaxStored = 65535;
  std::vector<uint8_t> out;
  size_t at = 0;
  do {
    size_t n = std::min(data.size() - at, kMaxStored);
    out.push_back(at + n == data.size() ? 1 : 0);
    for (unsigned v : {unsigned(n), unsigned(~n & 0xFFFF)}) {
      out.push_back(static_cast<uint8_t>(v));
      out.push_back(static_cast<uint8_t>(v >> 8));
    }
    out.insert(out.end(), data.begin() + at, data.begin() + at + n);
    at += n;
  } while (at < data.size());
  return out;
}

std::vector<uint8_t> ZlibStore(std::span<const uint8_t> data) {
  std::vector<uint8_t> out = {0x78, 0x01};  // 32 KB window, check bits for 0x78
  std::vector<uint8_t> blocks = DeflateStore(data);
  out.insert(out.end(), blocks.begin(), blocks.end());
  uint32_t adler = Adler32(data);
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
  return out;
}

}  // namespace kestrova
