#include "common/inflate_input.h"

#include <cstring>

#include "common/error.h"
#include "common/inflater.h"

namespace kestrova {

InflateInput::InflateInput(ByteSource& source) : source_(source), buffer_(kInflateInputSize) {
  next = end = buffer_.data();
}

// Moves the unread tail to the front and fills the rest from the source.
void InflateInput::TopUp() {
  size_t kept = static_cast<size_t>(end - next);
  std::memmove(buffer_.data(), next, kept);
  next = buffer_.data();
  uint8_t* fill = buffer_.data() + kept;
  uint8_t* const limit = buffer_.data() + buffer_.size();
  while (!sourceDone_ && fill < limit) {
    size_t got = source_.Read(fill, static_cast<size_t>(limit - fill));
    if (got == 0) sourceDone_ = true;
    fill += got;
  }
  end = fill;
}

uint32_t InflateInput::NextWord() {
  if (end - next < 4) TopUp();
  size_t left = static_cast<size_t>(end - next);
  if (left >= 4) {
    uint32_t word = LoadLe32(next);
    next += 4;
    return word;
  }
  // The source is exhausted: its last bytes padded with zeros to a word.
  uint32_t word = 0;
  for (size_t i = 0; i < left; ++i) word |= uint32_t(next[i]) << (8 * i);
  next = end;
  phantom += static_cast<unsigned>(8 * (4 - left));
  return word;
}

void InflateInput::RefillSlow() {
  if (count > 32) return;
  CheckNotOverrun();
  bits |= uint64_t(NextWord()) << count;
  count += 32;
}

void InflateInput::CheckNotOverrun() const {
  if (count < phantom) throw Error(kInflateTruncated);
}

void InflateInput::ReadBytes(uint8_t* out, size_t size) {
  for (; size > 0 && count >= phantom + 8; --size) {
    *out++ = static_cast<uint8_t>(bits);
    bits >>= 8;
    count -= 8;
  }
  if (size == 0) return;
  if (phantom > 0) throw Error(kInflateTruncated);
  bits = 0;
  count = 0;
  while (size > 0) {
    if (next == end) TopUp();
    if (next == end) throw Error(kInflateTruncated);
    size_t n = std::min(size, static_cast<size_t>(end - next));
    std::memcpy(out, next, n);
    out += n;
    next += n;
    size -= n;
  }
}

}  // namespace kestrova
