// The traditional PKWARE encryption of .ZIP members: three 32-bit keys
// stirred by the password and then by every plain byte. A member encrypted
// this way starts with a 12-byte header whose last plain byte is a check
// value (the high byte of the CRC-32, or of the modification time when
// general-purpose flag bit 3 is set).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrova {

inline constexpr size_t kZipCryptoHeaderSize = 12;

class ZipCrypto {
 public:
  explicit ZipCrypto(std::string_view password);

  void Decrypt(uint8_t* data, size_t size);
  void Encrypt(uint8_t* data, size_t size);

 private:
  uint8_t KeyStream() const;
  void Update(uint8_t plain);

  uint32_t key0_ = 0x12345678, key1_ = 0x23456789, key2_ = 0x34567890;
};

// One step of the standard CRC-32 (polynomial 0xEDB88320, reflected).
uint32_t Crc32Step(uint32_t crc, uint8_t byte);
// The CRC-32 of a buffer, as the .ZIP format records it.
uint32_t Crc32(const uint8_t* data, size_t size);

}  // namespace kestrova
