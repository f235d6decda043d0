#include "skin/filetheme/zip_crypto.h"

#include <array>

namespace kestrova {
namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

uint32_t Crc32Step(uint32_t crc, uint8_t byte) {
  return kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFF;
  for (size_t i = 0; i < size; ++i) crc = Crc32Step(crc, data[i]);
  return ~crc;
}

ZipCrypto::ZipCrypto(std::string_view password) {
  for (char c : password) Update(static_cast<uint8_t>(c));
}

uint8_t ZipCrypto::KeyStream() const {
  uint32_t t = (key2_ & 0xFFFF) | 2;
  return static_cast<uint8_t>(((t * (t ^ 1)) >> 8) & 0xFF);
}

void ZipCrypto::Update(uint8_t plain) {
  key0_ = Crc32Step(key0_, plain);
  key1_ = (key1_ + (key0_ & 0xFF)) * 0x08088405u + 1;
  key2_ = Crc32Step(key2_, static_cast<uint8_t>(key1_ >> 24));
}

void ZipCrypto::Decrypt(uint8_t* data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    data[i] ^= KeyStream();
    Update(data[i]);
  }
}

void ZipCrypto::Encrypt(uint8_t* data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    uint8_t plain = data[i];
    data[i] ^= KeyStream();
    Update(plain);
  }
}

}  // namespace kestrova
