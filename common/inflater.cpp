#include "common/inflater.h"

#include <array>

#include "common/error.h"
#include "common/huffman_tree.h"
#include "common/inflate_input.h"
#include "common/inflate_window.h"

// Format notes (RFC 1951). A stream is a run of blocks, each opening with a
// final-block bit and a 2-bit type: 0 stored (byte-aligned LEN, NLEN, then
// LEN raw bytes), 1 fixed codes, 2 dynamic codes (code tables sent first),
// 3 reserved. Coded blocks are literal/length symbols: 0-255 a byte, 256
// the end of the block, 257-285 a match length (with extra bits) followed by
// a distance symbol 0-29 (with extra bits) reaching up to 32 KB back.

namespace kestrova {
namespace {

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint16_t kDistanceBase[30] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                          11, 4,  12, 3, 13, 2, 14, 1, 15};
constexpr int kMaxLiteralCodes = 286;
constexpr int kMaxDistanceCodes = 30;

static_assert(kInflateWindowSize - kInflateFlushSize >= 32768,
              "the window must keep 32 KB of history");
static_assert(kInflateInputSize % 4 == 0, "the bit reader takes whole words");

class Inflater {
 public:
  Inflater(ByteSource& source, ByteSink& sink) : in_(source), window_(sink) {}

  void Run(std::span<uint8_t> trailer) {
    bool final = false;
    while (!final) {
      final = in_.Take(1) != 0;
      switch (in_.Take(2)) {
        case 0:
          Stored();
          break;
        case 1:
          Codes(FixedLiteralTree(), FixedDistanceTree());
          break;
        case 2:
          Dynamic();
          break;
        default:  // reserved: nothing
          break;
      }
    }
    in_.CheckNotOverrun();
    window_.Finish();
    if (trailer.empty()) return;
    in_.AlignToByte();
    in_.ReadBytes(trailer.data(), trailer.size());
  }

 private:
  void Stored();
  void Dynamic();
  void ReadCodeLengths(const THuffmanTree& tree, uint8_t* lengths, int total);
  void Codes(const THuffmanTree& literals, const THuffmanTree& distances);
  static void CopyMatch(uint8_t* dst, size_t distance, size_t length);

  InflateInput in_;
  InflateWindow window_;
};

// Stored block: skip to a byte boundary, LEN and NLEN (NLEN not checked),
// then LEN bytes as they are.
void Inflater::Stored() {
  in_.AlignToByte();
  uint32_t length = in_.Take(16);
  in_.Take(16);
  while (length > 0) {
    size_t n = std::min<size_t>(length, kInflateWindowSize - window_.pos);
    in_.ReadBytes(window_.Data() + window_.pos, n);
    window_.pos += n;
    length -= static_cast<uint32_t>(n);
    window_.FlushIfFull();
  }
}

// Dynamic block header: HLIT, HDIST, HCLEN, the code-length code lengths in
// their permuted order, then the literal/length and distance code lengths
// coded with them (16 repeats the previous length, 17 and 18 runs of zeros).
void Inflater::Dynamic() {
  int literalCount = static_cast<int>(in_.Take(5)) + 257;
  int distanceCount = static_cast<int>(in_.Take(5)) + 1;
  int lengthCodeCount = static_cast<int>(in_.Take(4)) + 4;
  if (literalCount > kMaxLiteralCodes || distanceCount > kMaxDistanceCodes)
    throw Error(kInflateTooManyCodes);

  std::array<uint8_t, 19> codeLengthLengths{};
  for (int i = 0; i < lengthCodeCount; ++i)
    codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(in_.Take(3));
  THuffmanTree codeLengthTree(7);
  codeLengthTree.Build(codeLengthLengths, 19, {}, 19, 0);

  std::array<uint8_t, kMaxLiteralCodes + kMaxDistanceCodes> lengths{};
  ReadCodeLengths(codeLengthTree, lengths.data(), literalCount + distanceCount);
  THuffmanTree literals(15), distances(15);
  literals.Build(lengths, 257, kLengthExtraBits, literalCount, 0);
  distances.Build(lengths, 0, kDistanceExtraBits, distanceCount, literalCount);
  Codes(literals, distances);
}

void Inflater::ReadCodeLengths(const THuffmanTree& tree, uint8_t* lengths, int total) {
  for (int i = 0; i < total;) {
    in_.Refill();
    uint32_t entry = tree.Lookup(static_cast<uint32_t>(in_.bits) & tree.Mask());
    if (entry == THuffmanTree::kNoCode) throw Error(kInflateBadCode);
    in_.Take(THuffmanTree::CodeLength(entry));
    uint32_t symbol = THuffmanTree::Symbol(entry);
    if (symbol < 16) {
      lengths[i++] = static_cast<uint8_t>(symbol);
      continue;
    }
    if (symbol == 16 && i == 0) throw Error(kInflateRepeatFirst);
    uint8_t value = symbol == 16 ? lengths[i - 1] : 0;
    int run = symbol == 16 ? 3 + in_.Take(2) : symbol == 17 ? 3 + in_.Take(3) : 11 + in_.Take(7);
    if (run > total - i) throw Error(kInflateRunTooLong);
    for (int k = 0; k < run; ++k) lengths[i++] = value;
  }
}

// A match copy. A distance shorter than the length repeats the bytes just
// written, so the copy must run forwards; with a distance of 8 or more,
// 8-byte steps only ever read bytes already in place. May write up to 7
// bytes past the match (InflateWindow::kCopyOverrun).
void Inflater::CopyMatch(uint8_t* dst, size_t distance, size_t length) {
  const uint8_t* src = dst - distance;
  if (distance >= 8) {
    for (size_t i = 0; i < length; i += 8) std::memcpy(dst + i, src + i, 8);
  } else if (distance == 1) {
    std::memset(dst, *src, length);
  } else if (length < 16) {
    for (size_t i = 0; i < length; ++i) dst[i] = src[i];
  } else {
    // Short period, long run: the bytes from src onwards repeat with the
    // period `distance`, so a copy of everything written since src, a whole
    // number of periods, continues the pattern; each step doubles it.
    uint8_t* at = dst;
    for (size_t left = length; left > 0;) {
      size_t n = std::min(left, static_cast<size_t>(at - src));
      std::memcpy(at, src, n);
      at += n;
      left -= n;
    }
  }
}

// Decodes symbols until the end of the block. The bit reader's state and
// the window position live in locals here (window stores could otherwise
// alias them) and go back to their owners around every call out.
void Inflater::Codes(const THuffmanTree& literals, const THuffmanTree& distances) {
  const uint32_t* literalTable = literals.Table();
  const uint32_t literalMask = literals.Mask();
  const uint32_t* distanceTable = distances.Table();
  const uint32_t distanceMask = distances.Mask();
  uint8_t* const window = window_.Data();

  uint64_t bits = in_.bits;
  unsigned count = in_.count;
  const uint8_t* next = in_.next;
  size_t pos = window_.pos;

  auto save = [&] {
    in_.bits = bits;
    in_.count = count;
    in_.next = next;
    window_.pos = pos;
  };
  auto load = [&] {
    bits = in_.bits;
    count = in_.count;
    next = in_.next;
    pos = window_.pos;
  };
  auto refill = [&] {
    if (count > 32) return;
    if (in_.end - next >= 4) {
      bits |= uint64_t(LoadLe32(next)) << count;
      next += 4;
      count += 32;
    } else {
      save();
      in_.RefillSlow();
      load();
    }
  };
  auto flush = [&] {
    if (pos < kInflateWindowSize) return;
    save();
    window_.FlushIfFull();
    load();
  };

  for (;;) {
    refill();
    uint32_t entry = literalTable[bits & literalMask];
    if (entry == THuffmanTree::kNoCode) throw Error(kInflateBadCode);
    uint32_t symbol = THuffmanTree::Symbol(entry);
    unsigned codeLength = THuffmanTree::CodeLength(entry);
    if (symbol < 256) {
      bits >>= codeLength;
      count -= codeLength;
      window[pos++] = static_cast<uint8_t>(symbol);
      flush();
      continue;
    }
    if (symbol == 256) {
      bits >>= codeLength;
      count -= codeLength;
      break;
    }
    if (symbol > 285) throw Error(kInflateBadCode);
    unsigned extra = THuffmanTree::ExtraBits(entry);
    size_t length = kLengthBase[symbol - 257] +
                    static_cast<size_t>((bits >> codeLength) & ((uint64_t(1) << extra) - 1));
    bits >>= codeLength + extra;
    count -= codeLength + extra;

    refill();
    entry = distanceTable[bits & distanceMask];
    if (entry == THuffmanTree::kNoCode || THuffmanTree::Symbol(entry) >= 30)
      throw Error(kInflateBadCode);
    codeLength = THuffmanTree::CodeLength(entry);
    extra = THuffmanTree::ExtraBits(entry);
    size_t distance = kDistanceBase[THuffmanTree::Symbol(entry)] +
                      static_cast<size_t>((bits >> codeLength) & ((uint64_t(1) << extra) - 1));
    bits >>= codeLength + extra;
    count -= codeLength + extra;
    if (distance > pos) throw Error(kInflateDistanceTooFar);
    CopyMatch(window + pos, distance, length);
    pos += length;
    flush();
  }
  save();
}

}  // namespace

void InflateRaw(ByteSource& in, ByteSink& out, std::span<uint8_t> trailer) {
  Inflater(in, out).Run(trailer);
}

}  // namespace kestrova
