#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The three running keys of the ZIP format's traditional (PKWARE) encryption.
class TTraditionalKeys {
public:
  explicit TTraditionalKeys(const std::string& Password);
  // Decrypts in place; the keys run on, so consecutive calls continue one stream.
  void Decrypt(uint8_t* Data, size_t Count);

private:
  void Update(uint8_t Plain);
  uint8_t StreamByte() const;

  uint32_t Key0 = 0x12345678;
  uint32_t Key1 = 0x23456789;
  uint32_t Key2 = 0x34567890;
};

// Size of the encryption header in front of an encrypted item's data.
constexpr int TraditionalHeaderSize = 12;
