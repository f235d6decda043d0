#include "tools/mkskin/zip_writer.h"

#include <random>

#include "common/error.h"
#include "skin/filetheme/zip_crypto.h"

namespace kestrova {
namespace {

constexpr uint16_t kVersion = 20;
constexpr uint16_t kMethodDeflate = 8;
constexpr uint16_t kFlagEncrypted = 1;
constexpr uint16_t kFlagDataDescriptor = 8;

class Bytes {
 public:
  void U16(uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Append(const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  void Append(const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }
  uint32_t Size() const { return static_cast<uint32_t>(out.size()); }
  std::vector<uint8_t> out;
};

struct Prepared {
  const ZipMemberInput* member = nullptr;
  uint16_t flags = 0;
  uint32_t crc = 0;
  uint32_t size = 0;
  std::vector<uint8_t> stored;  // what follows the local header
  uint32_t localOffset = 0;
};

// The 12-byte encryption header: random bytes, then the check value.
std::vector<uint8_t> EncryptionHeader(uint8_t check) {
  std::random_device seed;
  std::vector<uint8_t> header(kZipCryptoHeaderSize);
  for (auto& b : header) b = static_cast<uint8_t>(seed());
  header.back() = check;
  return header;
}

Prepared Prepare(const ZipMemberInput& member) {
  Prepared p;
  p.member = &member;
  p.crc = Crc32(member.data.data(), member.data.size());
  p.size = member.recordedSize.value_or(static_cast<uint32_t>(member.data.size()));
  p.stored = member.deflated ? *member.deflated : DeflateRaw(member.data, member.level);
  if (member.dataDescriptor) p.flags |= kFlagDataDescriptor;
  if (!member.password.empty()) {
    p.flags |= kFlagEncrypted;
    uint8_t check = member.checkByte.value_or(member.dataDescriptor ? uint8_t(member.time >> 8)
                                                                    : uint8_t(p.crc >> 24));
    std::vector<uint8_t> header = EncryptionHeader(check);
    p.stored.insert(p.stored.begin(), header.begin(), header.end());
    ZipCrypto(member.password).Encrypt(p.stored.data(), p.stored.size());
  }
  return p;
}

void LocalHeader(Bytes& out, const Prepared& p) {
  bool descriptor = p.flags & kFlagDataDescriptor;
  out.U32(0x04034B50);
  out.U16(kVersion);
  out.U16(p.flags);
  out.U16(kMethodDeflate);
  out.U16(p.member->time);
  out.U16(p.member->date);
  out.U32(descriptor ? 0 : p.crc);
  out.U32(descriptor ? 0 : static_cast<uint32_t>(p.stored.size()));
  out.U32(descriptor ? 0 : p.size);
  out.U16(static_cast<uint32_t>(p.member->name.size()));
  out.U16(0);
  out.Append(p.member->name);
  out.Append(p.stored);
  if (descriptor) {
    out.U32(0x08074B50);
    out.U32(p.crc);
    out.U32(static_cast<uint32_t>(p.stored.size()));
    out.U32(p.size);
  }
}

void DirectoryEntry(Bytes& out, const Prepared& p) {
  out.U32(0x02014B50);
  out.U16(kVersion);
  out.U16(kVersion);
  out.U16(p.flags);
  out.U16(kMethodDeflate);
  out.U16(p.member->time);
  out.U16(p.member->date);
  out.U32(p.crc);
  out.U32(static_cast<uint32_t>(p.stored.size()));
  out.U32(p.size);
  out.U16(static_cast<uint32_t>(p.member->name.size()));
  out.U16(0);  // extra field
  out.U16(0);  // comment
  out.U16(0);  // disk
  out.U16(0);  // internal attributes
  out.U32(0);  // external attributes
  out.U32(p.localOffset);
  out.Append(p.member->name);
}

}  // namespace

std::vector<uint8_t> BuildZip(const ZipArchiveInput& archive) {
  std::vector<Prepared> members;
  for (const ZipMemberInput& member : archive.members) members.push_back(Prepare(member));
  Bytes out;
  for (Prepared& p : members) {
    p.localOffset = out.Size();
    LocalHeader(out, p);
  }
  uint32_t directoryAt = out.Size();
  for (const Prepared& p : members) DirectoryEntry(out, p);
  uint32_t directorySize = out.Size() - directoryAt;
  out.U32(0x06054B50);
  out.U16(0);
  out.U16(0);
  out.U16(static_cast<uint32_t>(members.size()));
  out.U16(static_cast<uint32_t>(members.size()));
  out.U32(directorySize);
  out.U32(directoryAt);
  out.U16(static_cast<uint32_t>(archive.comment.size()));
  out.Append(archive.comment);
  if (archive.marker.size() == 2 && !out.out.empty()) {
    out.out[0] = static_cast<uint8_t>(archive.marker[0]);
    out.out[1] = static_cast<uint8_t>(archive.marker[1]);
  }
  return out.out;
}

}  // namespace kestrova
