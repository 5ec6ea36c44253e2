// CRC-32 and CRC-64 checksums of the foundation library.
#pragma once

#include <stdint.h>

// Plain reflected CRC-32 (polynomial 0xEDB88320, as zlib and PNG). With initial
// 0xFFFFFFFF and not continuing, "123456789" gives 0xCBF43926. When continuing,
// the raw register is returned, to be passed as the initial value of the next call.
uint32_t Crc32Update(const void* data, int length, uint32_t initial, bool continuing);

// The library's 64-bit string hash: reflected table of polynomial 0xAD93D23594C935A9
// built with logical shifts, the register shifted ARITHMETICALLY per byte. The
// register starts at (high << 32) | low; both words -1 = all ones. Not continuing,
// the result is the register XOR all ones; "123456789" gives 0xE3EF385196E57556.
uint64_t Crc64Update(const void* data, int length, int32_t initialLow, int32_t initialHigh,
                     bool continuing);
