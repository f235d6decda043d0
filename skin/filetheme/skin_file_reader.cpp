#include "skin/filetheme/skin_file_reader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <set>

#include "common/bmp.h"
#include "common/error.h"
#include "common/os_services.h"
#include "skin/filetheme/binary_file.h"
#include "skin/filetheme/skin_archive.h"

namespace kestrova {
namespace {

uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// The value of the first "name=value" text whose name matches.
const std::string* FindValue(const std::vector<std::string>& list, std::string_view name,
                             std::string_view& value) {
  for (const std::string& item : list) {
    std::string_view text = item;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (!SameNameIgnoringCase(text.substr(0, equals), name)) continue;
    value = text.substr(equals + 1);
    return &item;
  }
  return nullptr;
}

// A whole decimal number in the 32-bit range, sign allowed.
bool ParseInteger(std::string_view text, int32_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// A temporary file removed when it goes, whatever way the load ends.
class TemporaryFile {
 public:
  TemporaryFile() {
    std::string directory = os::TempDirectory();
    if (directory.empty() || (directory.back() != '\\' && directory.back() != '/'))
      directory += os::PathSeparator();
    path_ = directory + os::NewGuidText();
  }
  ~TemporaryFile() { os::RemoveFile(path_); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct EntryRecord {
  std::string name;
  uint8_t type = 0;
  uint32_t dataOffset = 0;
  uint32_t dataSize = 0;
  uint32_t next = 0;
};

EntryRecord ReadRecord(InputFile& file, uint32_t offset) {
  uint8_t raw[kSkinRecordSize];
  file.Seek(offset);
  file.ReadExact(raw, sizeof raw);
  EntryRecord record;
  const char* name = reinterpret_cast<const char*>(raw);
  record.name.assign(name, strnlen(name, kSkinNameSize));
  record.type = raw[64];
  record.dataOffset = Le32(raw + 65);
  record.dataSize = Le32(raw + 69);
  record.next = Le32(raw + 73);
  return record;
}

// Entry data of a declared size, checked against the file before anything
// is allocated for it.
std::vector<uint8_t> ReadData(InputFile& file, const EntryRecord& record) {
  file.Seek(record.dataOffset);
  if (int64_t(record.dataSize) > file.Size() - file.Position()) throw Error(kStreamReadError);
  std::vector<uint8_t> data(record.dataSize);
  file.ReadExact(data.data(), data.size());
  return data;
}

// Fixed-size values: a longer entry is clipped to the field, a shorter one
// fills its low bytes.
uint32_t ReadFixed(InputFile& file, const EntryRecord& record, size_t fieldSize) {
  uint8_t bytes[4] = {};
  file.Seek(record.dataOffset);
  file.ReadExact(bytes, std::min<size_t>(record.dataSize, fieldSize));
  return Le32(bytes);
}

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, const std::string& password) {
  Load(fileName, password);
}

void Tsk2SkinFileReader::Load(const std::string& fileName, const std::string& password) {
  skinLoaded_ = false;
  TemporaryFile temporary;
  int result = ExtractSkinMember(fileName, kSkinMemberName, temporary.Path(), password);
  if (result == kExtractRefused) return;
  if (result != kExtractSucceeded) throw Error(kSkinReadFailed);
  ReadSkinData(temporary.Path());
  skinLoaded_ = true;
}

void Tsk2SkinFileReader::ReadSkinData(const std::string& path) {
  InputFile file(path);
  if (!file.IsOpen()) throw Error(kStreamReadError);
  uint8_t header[kSkinHeaderSize] = {};
  file.ReadExact(header, 16);
  size_t headerSize = std::min<size_t>(Le32(header + 12), kSkinHeaderSize);
  file.Seek(0);
  file.ReadExact(header, headerSize);

  // A corrupt file could point a record back at an earlier one.
  std::set<uint32_t> visited;
  uint32_t offset = Le32(header + 20);
  for (EntryRecord record = ReadRecord(file, offset); record.next != 0;
       record = ReadRecord(file, offset)) {
    if (!visited.insert(offset).second) throw Error(kSkinRecordsLoop);
    switch (record.type) {
      case kSkinPicture:
        pictures_.emplace_back(record.name, DecodeBmp(ReadData(file, record)));
        break;
      case kSkinInteger:
        integers_.push_back(record.name + "=" +
                            std::to_string(static_cast<int32_t>(ReadFixed(file, record, 4))));
        break;
      case kSkinFlag:
        flags_.push_back(record.name + "=" + std::to_string(ReadFixed(file, record, 1)));
        break;
      case kSkinText: {
        std::vector<uint8_t> text = ReadData(file, record);
        texts_.push_back(record.name + "=" + std::string(text.begin(), text.end()));
        break;
      }
      default:
        break;
    }
    offset = record.next;
  }
}

const PixelBuffer* Tsk2SkinFileReader::GetBitmap(std::string_view name) const {
  for (const Picture& picture : pictures_)
    if (SameNameIgnoringCase(picture.first, name)) return &picture.second;
  return nullptr;
}

int32_t Tsk2SkinFileReader::GetInteger(std::string_view name) const {
  std::string_view text;
  int32_t value = 0;
  if (!FindValue(integers_, name, text) || !ParseInteger(text, value)) return -1;
  return value;
}

bool Tsk2SkinFileReader::GetBool(std::string_view name) const {
  std::string_view text;
  int32_t value = 0;
  if (!FindValue(flags_, name, text) || !ParseInteger(text, value)) return false;
  return (value & 0xFF) != 0;
}

}  // namespace kestrova
