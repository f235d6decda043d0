// Tsk2SkinFileReader: reads the skin data file "SKINDATA.SK2" out of a skin
// archive into four lists keyed by entry name, and answers look-ups.
//
// Skin data file layout (little-endian u32 unless noted):
//   0    12 bytes   not interpreted
//   12   header size: how many bytes of the 24-byte header to read
//   16   not interpreted
//   20   offset of the first entry record
// Entry record, 77 bytes, packed:
//   0    64 bytes   name, ASCII, ended by the first NUL (64 characters: none)
//   64   u8         type: 0 picture (a BMP file), 1 integer (i32), 2 flag
//                   (u8), 3 text (no terminator); other types are skipped
//   65   offset of the entry's data
//   69   size of the entry's data
//   73   offset of the next record; 0 ends the list, and the record that
//        holds it is not an entry
//
//   Tsk2SkinFileReader skin(path, password);  // raises kSkinReadFailed
//   if (skin.SkinLoaded()) width = skin.GetInteger("SKIN2_TITLEBARHEIGHT");
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/pixels.h"

namespace kestrova {

inline constexpr const char* kSkinReadFailed = "Failed to read skin file!";
inline constexpr const char* kSkinMemberName = "SKINDATA.SK2";
inline constexpr const char* kSkinRecordsLoop = "skin data: the entry records form a loop";

inline constexpr size_t kSkinHeaderSize = 24;
inline constexpr size_t kSkinRecordSize = 77;
inline constexpr size_t kSkinNameSize = 64;

enum SkinEntryType : uint8_t {
  kSkinPicture = 0,
  kSkinInteger = 1,
  kSkinFlag = 2,
  kSkinText = 3,
};

class Tsk2SkinFileReader {
 public:
  using Picture = std::pair<std::string, PixelBuffer>;

  // Loads the skin: raises kSkinReadFailed when the file is no skin archive
  // or lacks the skin data member; ends with SkinLoaded() false, raising
  // nothing, when the member is encrypted and the password is missing or
  // wrong, or it does not inflate to its recorded size. Read and picture
  // errors in the skin data propagate. The empty password means none.
  Tsk2SkinFileReader(const std::string& fileName, const std::string& password);

  bool SkinLoaded() const { return skinLoaded_; }

  // Look-ups ignore letter case; of two entries with one name the first
  // stored wins. The picture stays owned by the reader.
  const PixelBuffer* GetBitmap(std::string_view name) const;
  int32_t GetInteger(std::string_view name) const;  // -1 when absent or not a number
  bool GetBool(std::string_view name) const;        // false when absent or not a number

  // The lists in the order stored; the last three hold "name=value" texts.
  const std::vector<Picture>& Pictures() const { return pictures_; }
  const std::vector<std::string>& Integers() const { return integers_; }
  const std::vector<std::string>& Flags() const { return flags_; }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  void Load(const std::string& fileName, const std::string& password);
  void ReadSkinData(const std::string& path);

  std::vector<Picture> pictures_;
  std::vector<std::string> integers_;
  std::vector<std::string> flags_;
  std::vector<std::string> texts_;
  bool skinLoaded_ = false;
};

}  // namespace kestrova
