/* libpng's write side with its setjmp error handling: every error, including a
 * short write, jumps back to TKEncodePng, and what must be freed afterwards
 * lives in the encoder record, not in locals. */
#include "PngEncode.h"

#include <setjmp.h>
#include <stdlib.h>

#include <png.h>

typedef struct TK_PNG_ENCODER {
  TKPngWriteFn write;
  void* sink;
  png_structp png;
  png_infop info;
  png_bytep* rowPointers;
} TK_PNG_ENCODER;

static void PngErrorCallback(png_structp png, png_const_charp message) {
  (void)message;
  png_longjmp(png, 1);
}

static void PngWarningCallback(png_structp png, png_const_charp message) {
  (void)png;
  (void)message;
}

static void PngWriteCallback(png_structp png, png_bytep data, size_t length) {
  TK_PNG_ENCODER* encoder = (TK_PNG_ENCODER*)png_get_io_ptr(png);
  if (encoder->write(encoder->sink, data, length) != length) png_error(png, "short write");
}

static void PngFlushCallback(png_structp png) { (void)png; }

static void WriteGuarded(TK_PNG_ENCODER* e, const unsigned char* rows, unsigned width,
                         unsigned height, int channels, size_t rowBytes) {
  unsigned y;
  png_set_write_fn(e->png, e, PngWriteCallback, PngFlushCallback);
  png_set_IHDR(e->png, e->info, width, height, 8,
               channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(e->png, e->info);
  e->rowPointers = (png_bytep*)malloc(sizeof(png_bytep) * (height ? height : 1));
  if (e->rowPointers == NULL) png_error(e->png, "out of memory");
  for (y = 0; y < height; ++y) e->rowPointers[y] = (png_bytep)(rows + (size_t)y * rowBytes);
  png_write_image(e->png, e->rowPointers);
  png_write_end(e->png, NULL);
}

int TKEncodePng(TKPngWriteFn write, void* sink, const unsigned char* rows, unsigned width,
                unsigned height, int channels, size_t rowBytes) {
  TK_PNG_ENCODER e = {write, sink, NULL, NULL, NULL};
  int ok = 0;
  if (width == 0 || height == 0 || (channels != 3 && channels != 4)) return 0;
  e.png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, PngErrorCallback, PngWarningCallback);
  if (e.png == NULL) return 0;
  e.info = png_create_info_struct(e.png);
  if (e.info != NULL && setjmp(png_jmpbuf(e.png)) == 0) {
    WriteGuarded(&e, rows, width, height, channels, rowBytes);
    ok = 1;
  }
  png_destroy_write_struct(&e.png, e.info != NULL ? &e.info : NULL);
  free(e.rowPointers);
  return ok;
}
