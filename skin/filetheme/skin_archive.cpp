#include "skin/filetheme/skin_archive.h"

#include <cstring>
#include <optional>
#include <vector>

#include "common/error.h"
#include "common/inflater.h"
#include "common/os_services.h"
#include "skin/filetheme/binary_file.h"
#include "skin/filetheme/zip_crypto.h"

namespace kestrova {
namespace {

constexpr uint32_t kEndSignature = 0x06054B50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kDirectoryEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kDecryptBlockSize = 1024;
constexpr uint16_t kFlagEncrypted = 1;
constexpr uint16_t kFlagDataDescriptor = 8;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// The archive's fixed structures are read without checking how much
// arrived: a short file leaves zeros, which then fail a later check.
void ReadLoose(InputFile& file, uint8_t* buffer, size_t size) {
  std::memset(buffer, 0, size);
  file.Read(buffer, size);
}

struct MemberEntry {
  uint16_t flags = 0;
  uint16_t time = 0;
  uint32_t crc = 0;
  uint32_t uncompressedSize = 0;
  uint32_t localOffset = 0;
};

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool HasSkinMarker(InputFile& archive) {
  uint8_t start[4];
  ReadLoose(archive, start, sizeof start);
  return start[0] == 'S' && start[1] == 'K';
}

// The end record, which must be the last 22 bytes: the position of the
// record and the directory offset it gives.
std::optional<std::pair<int64_t, uint32_t>> ReadEndRecord(InputFile& archive) {
  int64_t at = archive.Size() - static_cast<int64_t>(kEndRecordSize);
  if (at < 0) return std::nullopt;
  archive.Seek(at);
  uint8_t record[kEndRecordSize];
  ReadLoose(archive, record, sizeof record);
  if (Le32(record) != kEndSignature || Le16(record + 20) != 0) return std::nullopt;
  return std::make_pair(at, Le32(record + 16));
}

// Walks the central directory up to the end record; the first entry whose
// name matches in upper case wins.
std::optional<MemberEntry> FindMember(InputFile& archive, const std::string& member) {
  if (!HasSkinMarker(archive)) return std::nullopt;
  auto end = ReadEndRecord(archive);
  if (!end) return std::nullopt;
  const std::string wanted = UpperAscii(member);
  int64_t at = end->second;
  while (at < end->first) {
    archive.Seek(at);
    uint8_t fixed[kDirectoryEntrySize];
    ReadLoose(archive, fixed, sizeof fixed);
    std::string name(Le16(fixed + 28), '\0');
    ReadLoose(archive, reinterpret_cast<uint8_t*>(name.data()), name.size());
    at += kDirectoryEntrySize + name.size() + Le16(fixed + 30) + Le16(fixed + 32);
    if (UpperAscii(name) == wanted)
      return MemberEntry{Le16(fixed + 8), Le16(fixed + 12), Le32(fixed + 16), Le32(fixed + 24),
                         Le32(fixed + 42)};
  }
  return std::nullopt;
}

// Passes the output on to the file, refusing (by raising) to go past the
// recorded size: the member would then be refused by the size check anyway,
// and a small corrupt member must not fill the disk first.
class SizeLimitedSink : public ByteSink {
 public:
  SizeLimitedSink(ByteSink& sink, uint32_t limit) : sink_(sink), left_(limit) {}
  void Write(const uint8_t* data, size_t size) override {
    if (size > left_) {
      overflowed_ = true;
      throw Error("skin archive: member larger than its recorded size");
    }
    sink_.Write(data, size);
    left_ -= size;
  }
  bool Overflowed() const { return overflowed_; }

 private:
  ByteSink& sink_;
  uint64_t left_;
  bool overflowed_ = false;
};

// The rest of the archive from the current position, decrypted 1 KB at a
// time. The member's data is only a prefix of it; the inflater stops at the
// final block.
std::vector<uint8_t> DecryptRest(InputFile& archive, ZipCrypto& crypto) {
  std::vector<uint8_t> plain(
      static_cast<size_t>(std::max<int64_t>(0, archive.Size() - archive.Position())));
  for (size_t done = 0; done < plain.size();) {
    size_t n = std::min(kDecryptBlockSize, plain.size() - done);
    ReadLoose(archive, plain.data() + done, n);
    crypto.Decrypt(plain.data() + done, n);
    done += n;
  }
  return plain;
}

// Steps from the local header to the inflated data: kExtractSucceeded, or
// kExtractRefused for a missing or wrong password.
int InflateMember(InputFile& archive, const MemberEntry& entry, const std::string& password,
                  ByteSink& out) {
  archive.Seek(entry.localOffset);
  uint8_t local[kLocalHeaderSize];
  ReadLoose(archive, local, sizeof local);
  archive.Seek(archive.Position() + Le16(local + 26) + Le16(local + 28));
  if (!(entry.flags & kFlagEncrypted)) {
    InflateRaw(archive, out);
    return kExtractSucceeded;
  }
  if (password.empty()) return kExtractRefused;
  ZipCrypto crypto(password);
  uint8_t header[kZipCryptoHeaderSize];
  ReadLoose(archive, header, sizeof header);
  crypto.Decrypt(header, sizeof header);
  uint8_t check = (entry.flags & kFlagDataDescriptor) ? static_cast<uint8_t>(entry.time >> 8)
                                                      : static_cast<uint8_t>(entry.crc >> 24);
  if (header[kZipCryptoHeaderSize - 1] != check) return kExtractRefused;
  std::vector<uint8_t> plain = DecryptRest(archive, crypto);
  MemorySource source(plain.data(), plain.size());
  InflateRaw(source, out);
  return kExtractSucceeded;
}

}  // namespace

int ExtractSkinMember(const std::string& archive, const std::string& member,
                      const std::string& output, const std::string& password) {
  if (!os::FileExists(archive)) return kExtractFailed;
  InputFile in(archive);
  if (!in.IsOpen()) return kExtractFailed;
  std::optional<MemberEntry> entry = FindMember(in, member);
  if (!entry) return kExtractFailed;

  OutputFile out(output);
  if (!out.IsOpen()) return kExtractFailed;
  SizeLimitedSink limited(out, entry->uncompressedSize);
  int result = kExtractFailed;
  try {
    result = InflateMember(in, *entry, password, limited);
  } catch (const std::exception&) {
    result = kExtractFailed;
  }
  bool sizeDiffers = limited.Overflowed() || out.Size() != entry->uncompressedSize;
  if (out.Size() == 0 && result == kExtractSucceeded)
    result = kExtractFailed;
  else if (sizeDiffers)
    result = kExtractRefused;
  out.Close();
  if (result != kExtractSucceeded) os::RemoveFile(output);
  return result;
}

}  // namespace kestrova
