/* Drives libpng to decode one PNG into 8-bit RGB or RGBA rows. Written in C:
 * libpng reports errors by longjmp, which must cross no C++ frame. */
#ifndef VELM_COMMON_PNGDECODE_H
#define VELM_COMMON_PNGDECODE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Reads up to `count` bytes into `buffer`; returns how many arrived. Must not
 * throw: a failure is a short count. */
typedef size_t (*TKPngReadFn)(void* source, unsigned char* buffer, size_t count);

typedef struct TK_PNG_IMAGE {
  unsigned char* rows; /* height x rowBytes bytes, top row first; free() it */
  unsigned width;
  unsigned height;
  int channels; /* 3 (RGB) or 4 (RGBA) */
  size_t rowBytes;
} TK_PNG_IMAGE;

/* Decodes the PNG that follows the 8 signature bytes already read from the
 * source. Returns 1 and fills `image`, or 0 (image cleared) for any libpng
 * error, a short read, or an image too large for a DIB or of more than
 * 67,108,864 pixels. The rows' memory grows as they are read. */
int TKDecodePngAfterSignature(TKPngReadFn read, void* source, TK_PNG_IMAGE* image);

#ifdef __cplusplus
}
#endif

#endif
