// CRC-32 and CRC-64 checksums.
#include "TesselChecksum.h"

namespace {

struct Crc32Table {
  uint32_t entry[256];
  Crc32Table() {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : (c >> 1);
      entry[i] = c;
    }
  }
};

struct Crc64Table {
  uint64_t entry[256];
  Crc64Table() {
    // Reflected form of 0xAD93D23594C935A9; the table uses logical shifts.
    const uint64_t poly = 0x95AC9329AC4BC9B5ull;
    for (uint64_t i = 0; i < 256; ++i) {
      uint64_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ poly : (c >> 1);
      entry[i] = c;
    }
  }
};

// Function-local statics: safe to use from other static initialisers.
const Crc32Table& Table32() {
  static const Crc32Table table;
  return table;
}
const Crc64Table& Table64() {
  static const Crc64Table table;
  return table;
}

}  // namespace

uint32_t Crc32Update(const void* data, int length, uint32_t initial, bool continuing) {
  uint32_t reg = initial;
  if (data != nullptr && length != 0) {
    const uint32_t* t = Table32().entry;
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (int n = length; n > 0; --n, ++p)  // a negative length hashes nothing
      reg = t[(reg ^ *p) & 0xFF] ^ (reg >> 8);
  }
  return continuing ? reg : (reg ^ 0xFFFFFFFFu);
}

uint64_t Crc64Update(const void* data, int length, int32_t initialLow, int32_t initialHigh,
                     bool continuing) {
  uint64_t reg = (static_cast<uint64_t>(static_cast<uint32_t>(initialHigh)) << 32) |
                 static_cast<uint32_t>(initialLow);
  if (data != nullptr && length != 0) {
    const uint64_t* t = Table64().entry;
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (int n = length; n > 0; --n, ++p) {
      // Arithmetic shift: the bits shifted in at the top copy bit 63.
      uint64_t shifted = static_cast<uint64_t>(static_cast<int64_t>(reg) >> 8);
      reg = t[(reg ^ *p) & 0xFF] ^ shifted;
    }
  }
  return continuing ? reg : ~reg;
}
