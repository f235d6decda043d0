// Writing skin archives: .ZIP files whose members are raw DEFLATE streams,
// optionally with the traditional PKWARE encryption, and whose marker may
// be "SK" (a skin file) or "PK" (a plain .ZIP file).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrova {

struct ZipMemberInput {
  std::string name;
  std::vector<uint8_t> data;                     // the member's content
  std::optional<std::vector<uint8_t>> deflated;  // raw DEFLATE to store as is
  int level = 9;                                 // zlib level when compressing `data`
  std::string password;                          // empty: not encrypted
  bool dataDescriptor = false;                   // flag bit 3, sizes after the data
  uint16_t time = 0x6C21;                        // 13:33:02, DOS format
  uint16_t date = 0x5A88;                        // 2025-04-08
  std::optional<uint32_t> recordedSize;          // overrides the true size
  std::optional<uint8_t> checkByte;              // overrides the encryption check value
};

struct ZipArchiveInput {
  std::string marker = "SK";
  std::string comment;
  std::vector<ZipMemberInput> members;
};

std::vector<uint8_t> BuildZip(const ZipArchiveInput& archive);

// A raw DEFLATE stream of `data`: made by zlib on the host, in stored blocks
// (level and strategy ignored) on the Windows build.
std::vector<uint8_t> DeflateRaw(const std::vector<uint8_t>& data, int level, int strategy = 0,
                                int memLevel = 8);

}  // namespace kestrova
