/* Drives libpng to encode 8-bit RGB or RGBA rows as one PNG. Written in C:
 * libpng reports errors by longjmp, which must cross no C++ frame. */
#ifndef VELM_COMMON_PNGENCODE_H
#define VELM_COMMON_PNGENCODE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes `count` bytes; returns how many were written. Must not throw. */
typedef size_t (*TKPngWriteFn)(void* sink, const unsigned char* buffer, size_t count);

/* Encodes height rows of width x channels bytes (3: RGB, 4: RGBA), top row
 * first, rowBytes apart. Returns 1, or 0 for any libpng error or short write. */
int TKEncodePng(TKPngWriteFn write, void* sink, const unsigned char* rows, unsigned width,
                unsigned height, int channels, size_t rowBytes);

#ifdef __cplusplus
}
#endif

#endif
