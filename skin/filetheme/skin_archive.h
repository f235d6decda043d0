// The skin archive: a file in the .ZIP layout marked "SK" where a .ZIP file
// has "PK". ExtractSkinMember inflates one member of it into a file.
//
// Layout relied on (little-endian):
//   0                 "SK" and two bytes not examined
//   ...               local headers, 30 bytes + name + extra field, each
//                     followed by its member's data: a raw DEFLATE stream,
//                     preceded by a 12-byte encryption header when flag
//                     bit 0 is set (the method field is not consulted)
//   directory offset  central-directory entries, 46 bytes + name + extra
//                     field + comment: flags @8, time @12, CRC-32 @16,
//                     uncompressed size @24, name/extra/comment lengths
//                     @28/@30/@32, local header offset @42
//   end - 22          end record: signature 0x06054B50, directory offset
//                     @16, comment length @20, which must be 0
#pragma once

#include <string>

namespace kestrova {

enum SkinExtractResult : int {
  kExtractSucceeded = 0,
  kExtractFailed = 1,   // not a skin archive, no such member, unreadable
  kExtractRefused = 2,  // no or wrong password, or not the recorded size
};

// Finds `member` (names compared in ASCII upper case), decrypts it with
// `password` when it is encrypted, and inflates it into `output`, created
// anew. On any result but success the output file is deleted.
int ExtractSkinMember(const std::string& archive, const std::string& member,
                      const std::string& output, const std::string& password);

}  // namespace kestrova
