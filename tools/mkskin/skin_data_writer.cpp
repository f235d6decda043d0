#include "tools/mkskin/skin_data_writer.h"

#include <cstring>

#include "common/error.h"

namespace kestrova {
namespace {

// Bytes 0-11 of the header are ours to choose. The first byte, read as the
// start of a DEFLATE stream, opens a dynamic block with 288 literal codes,
// which an inflater refuses at once: a skin data file that an archiver
// stored without compressing fails quietly instead of decoding garbage.
constexpr uint8_t kSignature[12] = {0xFC, 'K', 'E', 'S', 'T', 'R', 'O', 'V', 'A', 'S', 'K', '2'};

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> LittleEndian(uint32_t v, size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(v >> (8 * i));
  return bytes;
}

}  // namespace

SkinDataEntry PictureEntry(const std::string& name, std::vector<uint8_t> bmp) {
  return {name, kSkinPicture, std::move(bmp)};
}
SkinDataEntry IntegerEntry(const std::string& name, int32_t value) {
  return {name, kSkinInteger, LittleEndian(static_cast<uint32_t>(value), 4)};
}
SkinDataEntry FlagEntry(const std::string& name, uint8_t value) {
  return {name, kSkinFlag, {value}};
}
SkinDataEntry TextEntry(const std::string& name, const std::string& text) {
  return {name, kSkinText, std::vector<uint8_t>(text.begin(), text.end())};
}

std::vector<uint8_t> BuildSkinData(const std::vector<SkinDataEntry>& entries) {
  const size_t recordsAt = kSkinHeaderSize;
  const size_t dataAt = recordsAt + (entries.size() + 1) * kSkinRecordSize;
  std::vector<uint8_t> out(dataAt, 0);
  std::memcpy(out.data(), kSignature, sizeof kSignature);
  PutU32(out, 12, kSkinHeaderSize);
  PutU32(out, 16, static_cast<uint32_t>(entries.size()));
  PutU32(out, 20, static_cast<uint32_t>(recordsAt));

  for (size_t i = 0; i < entries.size(); ++i) {
    const SkinDataEntry& entry = entries[i];
    if (entry.name.size() > kSkinNameSize)
      throw Error("skin entry name longer than 64 characters: " + entry.name);
    size_t record = recordsAt + i * kSkinRecordSize;
    std::memcpy(out.data() + record, entry.name.data(), entry.name.size());
    out[record + 64] = entry.type;
    PutU32(out, record + 65, static_cast<uint32_t>(out.size()));
    PutU32(out, record + 69, static_cast<uint32_t>(entry.data.size()));
    PutU32(out, record + 73, static_cast<uint32_t>(record + kSkinRecordSize));
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  // The closing record (next offset 0) stays all zeros.
  return out;
}

}  // namespace kestrova
