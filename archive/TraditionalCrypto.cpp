#include "archive/TraditionalCrypto.h"

#include "archive/Crc32.h"

namespace {

uint32_t CrcByte(uint32_t Crc, uint8_t Byte) { return Crc32Table()[(Crc ^ Byte) & 0xFF] ^ (Crc >> 8); }

}  // namespace

TTraditionalKeys::TTraditionalKeys(const std::string& Password) {
  for (char c : Password) Update(static_cast<uint8_t>(c));
}

void TTraditionalKeys::Update(uint8_t Plain) {
  Key0 = CrcByte(Key0, Plain);
  Key1 = (Key1 + (Key0 & 0xFF)) * 134775813u + 1;
  Key2 = CrcByte(Key2, uint8_t(Key1 >> 24));
}

uint8_t TTraditionalKeys::StreamByte() const {
  const uint32_t t = (Key2 | 2) & 0xFFFF;  // 32-bit: the product of two 16-bit values overflows int
  return uint8_t((t * (t ^ 1)) >> 8);
}

void TTraditionalKeys::Decrypt(uint8_t* Data, size_t Count) {
  for (size_t i = 0; i < Count; ++i) {
    Data[i] ^= StreamByte();
    Update(Data[i]);
  }
}
