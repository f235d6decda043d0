// The inflater's input side: a 16 KB buffer topped up from a ByteSource and
// a bit reader fed with 32-bit little-endian words from it, bits taken
// lowest first. The reader holds up to 64 bits, so a peek of up to 32 bits
// may look into the next word without consuming it.
//
// Past the end of the source the reader supplies zero bits (the last word
// padded, then whole zero words) and counts them as `phantom` bits: they may
// be peeked at, but consuming one is an unexpected end of data, noticed at
// the next refill or by CheckNotOverrun.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/byte_stream.h"

namespace kestrova {

inline uint32_t LoadLe32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

class InflateInput {
 public:
  explicit InflateInput(ByteSource& source);

  // The bit reader's state, public so that the decoding loop can keep it in
  // registers and hand it back before any call out.
  uint64_t bits = 0;
  unsigned count = 0;    // bits held in `bits`
  unsigned phantom = 0;  // how many of the top `count` bits lie past the source
  const uint8_t* next;   // unread input in the buffer
  const uint8_t* end;

  // Entry assumption of the inline refill: fewer than 33 bits held and at
  // least 4 bytes in the buffer. Otherwise RefillSlow.
  void Refill() {
    if (count > 32) return;
    if (end - next >= 4) {
      bits |= uint64_t(LoadLe32(next)) << count;
      next += 4;
      count += 32;
    } else {
      RefillSlow();
    }
  }
  void RefillSlow();

  uint32_t Take(unsigned n) {
    Refill();
    uint32_t value = static_cast<uint32_t>(bits & ((uint64_t(1) << n) - 1));
    bits >>= n;
    count -= n;
    return value;
  }
  void AlignToByte() {
    bits >>= count % 8;
    count -= count % 8;
  }
  // Whole bytes after AlignToByte: those still held first, then the buffer.
  void ReadBytes(uint8_t* out, size_t size);
  // Raises when the stream has consumed bits past the end of the source.
  void CheckNotOverrun() const;

 private:
  void TopUp();
  uint32_t NextWord();

  ByteSource& source_;
  std::vector<uint8_t> buffer_;
  bool sourceDone_ = false;
};

}  // namespace kestrova
