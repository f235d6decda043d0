#include "skin/filetheme/skin_archive.h"

#include <gtest/gtest.h>

#include "common/os_services.h"
#include "skin/filetheme/zip_crypto.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {
namespace {

using testing::Bytes;

const Bytes kContent = testing::Text("skin data, skin data, skin data, and some more skin data");

ZipMemberInput Member(const std::string& name = "SKINDATA.SK2", const Bytes& data = kContent) {
  ZipMemberInput member;
  member.name = name;
  member.data = data;
  return member;
}

class SkinArchiveTest : public ::testing::Test {
 protected:
  // Writes the archive and extracts SKINDATA.SK2 with the password.
  int Extract(const ZipArchiveInput& archive, const std::string& password = "") {
    return ExtractBytes(BuildZip(archive), password);
  }
  int ExtractBytes(const Bytes& archive, const std::string& password = "") {
    testing::WriteFile(archivePath_, archive);
    return ExtractSkinMember(archivePath_, "SKINDATA.SK2", outputPath_, password);
  }
  Bytes Output() { return testing::ReadFile(outputPath_); }
  bool OutputExists() { return os::FileExists(outputPath_); }

  testing::TempDir dir_;
  std::string archivePath_ = dir_.File("test.skn");
  std::string outputPath_ = dir_.File("out.tmp");
};

// ---- Archive structure ----------------------------------------------------

TEST_F(SkinArchiveTest, ExtractsTheMemberOfAnSkArchive) {
  EXPECT_EQ(Extract({"SK", "", {Member()}}), kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);
}

TEST_F(SkinArchiveTest, RefusesPlainZipFilesArchiveCommentsAndShortFiles) {
  EXPECT_EQ(Extract({"PK", "", {Member()}}), kExtractFailed);
  EXPECT_EQ(Extract({"SK", "a comment", {Member()}}), kExtractFailed);
  EXPECT_EQ(ExtractBytes(testing::Text("SK")), kExtractFailed);
  EXPECT_EQ(ExtractBytes(testing::Text("SK and twenty more byte")), kExtractFailed);
  EXPECT_EQ(ExtractSkinMember(dir_.File("missing.skn"), "SKINDATA.SK2", outputPath_, ""),
            kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

TEST_F(SkinArchiveTest, FindsTheMemberWhateverTheCaseOfItsNameAndAmongOthers) {
  EXPECT_EQ(
      Extract({"SK", "", {Member("readme.txt", testing::Text("other")), Member("SkinData.sk2")}}),
      kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);
  // The first of two matching names wins.
  EXPECT_EQ(Extract({"SK", "", {Member("skindata.sk2", testing::Text("first")), Member()}}),
            kExtractSucceeded);
  EXPECT_EQ(Output(), testing::Text("first"));
  os::RemoveFile(outputPath_);
  EXPECT_EQ(Extract({"SK", "", {Member("SKINDATA.SK3")}}), kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

TEST_F(SkinArchiveTest, ADirectoryOffsetPastTheEndRecordFindsNothing) {
  Bytes archive = BuildZip({"SK", "", {Member()}});
  archive[archive.size() - 6] = 0xFF;  // directory offset, high byte
  EXPECT_EQ(ExtractBytes(archive), kExtractFailed);
}

TEST_F(SkinArchiveTest, ReplacesAnExistingOutputFile) {
  testing::WriteFile(outputPath_, Bytes(100000, 'x'));
  EXPECT_EQ(Extract({"SK", "", {Member()}}), kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);
}

// ---- Size check -------------------------------------------------------------

TEST_F(SkinArchiveTest, AMemberOfAnotherSizeThanRecordedIsRefusedAndDeleted) {
  for (uint32_t recorded : {uint32_t(kContent.size() - 1), uint32_t(kContent.size() + 1), 0u}) {
    ZipMemberInput member = Member();
    member.recordedSize = recorded;
    EXPECT_EQ(Extract({"SK", "", {member}}), kExtractRefused) << recorded;
    EXPECT_FALSE(OutputExists());
  }
}

TEST_F(SkinArchiveTest, AnEmptyMemberFailsAndCorruptDataIsRefused) {
  EXPECT_EQ(Extract({"SK", "", {Member("SKINDATA.SK2", {})}}), kExtractFailed);
  ZipMemberInput corrupt = Member();
  corrupt.deflated = Bytes{0xFD, 0xFF, 0xFF, 0xFF};  // a dynamic block with 288 codes
  EXPECT_EQ(Extract({"SK", "", {corrupt}}), kExtractRefused);
  EXPECT_FALSE(OutputExists());
}

TEST_F(SkinArchiveTest, MembersOfManyWindowsInflateWhole) {
  Bytes big;
  for (int i = 0; big.size() < 400000; ++i) {
    std::string line = "line " + std::to_string(i * 7919 % 10007) + "\n";
    big.insert(big.end(), line.begin(), line.end());
  }
  EXPECT_EQ(Extract({"SK", "", {Member("SKINDATA.SK2", big)}}), kExtractSucceeded);
  EXPECT_EQ(Output(), big);
}

// ---- Encryption ---------------------------------------------------------------

ZipMemberInput Encrypted(const std::string& password, bool dataDescriptor = false) {
  ZipMemberInput member = Member();
  member.password = password;
  member.dataDescriptor = dataDescriptor;
  return member;
}

TEST_F(SkinArchiveTest, AnEncryptedMemberNeedsItsPassword) {
  ZipArchiveInput input{"SK", "", {Encrypted("s3cret")}};
  Bytes archive = BuildZip(input);
  EXPECT_EQ(ExtractBytes(archive, ""), kExtractRefused);
  EXPECT_FALSE(OutputExists());
  EXPECT_EQ(ExtractBytes(archive, "S3CRET"), kExtractRefused);
  EXPECT_FALSE(OutputExists());
  EXPECT_EQ(ExtractBytes(archive, "s3cret"), kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);
}

TEST_F(SkinArchiveTest, ThePasswordIsIgnoredForAPlainMember) {
  EXPECT_EQ(Extract({"SK", "", {Member()}}, "anything"), kExtractSucceeded);
}

TEST_F(SkinArchiveTest, TheCheckValueComesFromTheCrcOrWithFlagBit3FromTheTime) {
  EXPECT_EQ(Extract({"SK", "", {Encrypted("pw", true)}}, "pw"), kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);

  // A check byte from the wrong source is refused, in both directions.
  ZipMemberInput timeChecked = Encrypted("pw", true);
  timeChecked.time = 0x1234;
  timeChecked.checkByte = static_cast<uint8_t>(~0x12);
  EXPECT_EQ(Extract({"SK", "", {timeChecked}}, "pw"), kExtractRefused);
  ZipMemberInput crcChecked = Encrypted("pw");
  uint8_t notTheCrc = static_cast<uint8_t>((Crc32(kContent.data(), kContent.size()) >> 24) ^ 0x55);
  crcChecked.time = static_cast<uint16_t>(notTheCrc << 8);
  crcChecked.checkByte = notTheCrc;  // the time's high byte, but flag bit 3 is clear
  EXPECT_EQ(Extract({"SK", "", {crcChecked}}, "pw"), kExtractRefused);
}

TEST_F(SkinArchiveTest, AnEncryptedMemberBeforeOthersInflatesFromTheDecryptedRest) {
  ZipMemberInput first = Encrypted("pw");
  EXPECT_EQ(Extract({"SK", "", {first, Member("other.bin", Bytes(5000, 7))}}, "pw"),
            kExtractSucceeded);
  EXPECT_EQ(Output(), kContent);
}

// rounded-infozip.skn was encrypted by Info-ZIP's zip -P (with a data
// descriptor, so the check byte comes from the time), not by our writer.
TEST_F(SkinArchiveTest, DecryptsWhatInfoZipEncrypted) {
  const std::string samples = KESTROVA_SOURCE_DIR "/tests/data/skins/";
  ASSERT_EQ(ExtractSkinMember(samples + "rounded.skn", "SKINDATA.SK2", outputPath_, ""),
            kExtractSucceeded);
  const Bytes plain = Output();
  ASSERT_EQ(plain.size(), 45073u);
  for (const char* wrong : {"", "Kestrova", "kestrov"}) {
    EXPECT_EQ(
        ExtractSkinMember(samples + "rounded-infozip.skn", "SKINDATA.SK2", outputPath_, wrong),
        kExtractRefused)
        << wrong;
  }
  ASSERT_EQ(
      ExtractSkinMember(samples + "rounded-infozip.skn", "SKINDATA.SK2", outputPath_, "kestrova"),
      kExtractSucceeded);
  EXPECT_EQ(Output(), plain);
}

}  // namespace
}  // namespace kestrova
