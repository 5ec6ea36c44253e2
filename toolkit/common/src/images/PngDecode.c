/* libpng driven with its setjmp error handling: every error, including a
 * failed allocation or a short read, jumps back to DecodeGuarded, and all state
 * that must be freed afterwards lives in the decoder record, not in locals. */
#include "PngDecode.h"

#include <setjmp.h>
#include <stdlib.h>
#include <string.h>

#include <png.h>

typedef struct TK_PNG_DECODER {
  TKPngReadFn read;
  void* source;
  png_structp png;
  png_infop info;
  unsigned char* pixels;
  png_uint_32 rowsHeld; /* rows the pixel block has room for */
} TK_PNG_DECODER;

/* The largest image that still fits a 32 bits-per-pixel DIB section. */
#define TK_PNG_MAX_BYTES 0x7FFFFFFFu
/* The most pixels an image may have: 256 MB as a 32-bit DIB section. A header
 * costs a few bytes to write, so its size alone never decides what is held. */
#define TK_PNG_MAX_PIXELS 0x4000000u
/* The rows held before the first row is read, and at least what each growth adds. */
#define TK_PNG_FIRST_ROWS 16u

static void PngErrorCallback(png_structp png, png_const_charp message) {
  (void)message;
  png_longjmp(png, 1);
}

static void PngWarningCallback(png_structp png, png_const_charp message) {
  (void)png;
  (void)message;
}

static void PngReadCallback(png_structp png, png_bytep data, size_t length) {
  TK_PNG_DECODER* decoder = (TK_PNG_DECODER*)png_get_io_ptr(png);
  if (decoder->read(decoder->source, data, length) != length) png_error(png, "short read");
}

static void SetTransformations(TK_PNG_DECODER* d) {
  png_structp png = d->png;
  png_infop info = d->info;
  int bitDepth = png_get_bit_depth(png, info);
  int colorType = png_get_color_type(png, info);
  png_color_16p background;
  double fileGamma;

  if (bitDepth == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png);
  if (bitDepth < 8) png_set_expand(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_expand(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  /* An image that names a background colour is composited onto it. */
  if (png_get_bKGD(png, info, &background))
    png_set_background(png, background, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
  if (png_get_gAMA(png, info, &fileGamma)) png_set_gamma(png, 2.2, fileGamma);
}

/* Makes room for rows 0 to `row`: the block doubles, so it grows only as far
 * as the data has really reached, and a damaged or truncated file that
 * declares a large image costs no more than the rows it carries. */
static void HoldRow(TK_PNG_DECODER* d, const TK_PNG_IMAGE* image, png_uint_32 row) {
  png_uint_32 rows;
  unsigned char* grown;
  if (row < d->rowsHeld) return;
  rows = d->rowsHeld < TK_PNG_FIRST_ROWS ? TK_PNG_FIRST_ROWS : d->rowsHeld * 2;
  if (rows <= row) rows = row + 1;
  if (rows > image->height) rows = image->height;
  grown = (unsigned char*)realloc(d->pixels, image->rowBytes * rows);
  if (grown == NULL) png_error(d->png, "out of memory");
  d->pixels = grown;
  d->rowsHeld = rows;
}

static void ReadRows(TK_PNG_DECODER* d, TK_PNG_IMAGE* image) {
  int passes;
  int pass;
  png_uint_32 y;
  png_set_read_fn(d->png, d, PngReadCallback);
  png_set_sig_bytes(d->png, 8);
  png_read_info(d->png, d->info);
  SetTransformations(d);
  passes = png_set_interlace_handling(d->png);
  png_read_update_info(d->png, d->info);

  image->width = png_get_image_width(d->png, d->info);
  image->height = png_get_image_height(d->png, d->info);
  image->rowBytes = png_get_rowbytes(d->png, d->info);
  image->channels = png_get_channels(d->png, d->info);
  if (image->channels < 3 || image->height == 0 || image->width == 0 ||
      image->rowBytes != (size_t)image->width * image->channels ||
      (unsigned long long)image->rowBytes * image->height > TK_PNG_MAX_BYTES ||
      (unsigned long long)image->width * image->height * 4 > TK_PNG_MAX_BYTES ||
      (unsigned long long)image->width * image->height > TK_PNG_MAX_PIXELS)
    png_error(d->png, "unusable image size");

  /* Row by row, so that the block follows the rows read. An interlaced image
   * comes in passes, each of which visits every row again. */
  for (pass = 0; pass < passes; ++pass) {
    for (y = 0; y < image->height; ++y) {
      HoldRow(d, image, y);
      png_read_row(d->png, d->pixels + (size_t)y * image->rowBytes, NULL);
    }
  }
  png_read_end(d->png, NULL);
}

static int DecodeGuarded(TK_PNG_DECODER* d, TK_PNG_IMAGE* image) {
  if (setjmp(png_jmpbuf(d->png))) return 0;
  ReadRows(d, image);
  return 1;
}

int TKDecodePngAfterSignature(TKPngReadFn read, void* source, TK_PNG_IMAGE* image) {
  TK_PNG_DECODER decoder;
  int ok;
  memset(image, 0, sizeof *image);
  memset(&decoder, 0, sizeof decoder);
  decoder.read = read;
  decoder.source = source;
  decoder.png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, PngErrorCallback, PngWarningCallback);
  if (decoder.png == NULL) return 0;
  decoder.info = png_create_info_struct(decoder.png);
  if (decoder.info == NULL) {
    png_destroy_read_struct(&decoder.png, NULL, NULL);
    return 0;
  }
  ok = DecodeGuarded(&decoder, image);
  png_destroy_read_struct(&decoder.png, &decoder.info, NULL);
  if (!ok) {
    free(decoder.pixels);
    memset(image, 0, sizeof *image);
    return 0;
  }
  image->rows = decoder.pixels;
  return 1;
}
