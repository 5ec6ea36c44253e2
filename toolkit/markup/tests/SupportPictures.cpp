// Picture files of the markup tests, written byte by byte.
#include "SupportPictures.h"

namespace {

// Little-endian bytes.
void Put16(std::string& s, int v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, unsigned v) {
  Put16(s, static_cast<int>(v & 0xFFFF));
  Put16(s, static_cast<int>(v >> 16));
}

}  // namespace

std::string IconFile(int nSize, COLORREF clr) {
  std::string image;
  Put32(image, 40);
  Put32(image, nSize);
  Put32(image, nSize * 2);
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  for (int i = 0; i < nSize * nSize; ++i) {
    image += static_cast<char>(GetBValue(clr));
    image += static_cast<char>(GetGValue(clr));
    image += static_cast<char>(GetRValue(clr));
    image += '\xFF';
  }
  const int nMaskRow = ((nSize + 31) / 32) * 4;
  image += std::string(nMaskRow * nSize, '\0');
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file += static_cast<char>(nSize);
  file += static_cast<char>(nSize);
  file += '\0';
  file += '\0';
  Put16(file, 1);
  Put16(file, 32);
  Put32(file, static_cast<unsigned>(image.size()));
  Put32(file, 22);
  return file + image;
}

std::string BitmapFile(int cx, int cy, COLORREF clr) {
  const int nRow = (cx * 3 + 3) / 4 * 4;
  std::string file("BM");
  Put32(file, static_cast<unsigned>(54 + nRow * cy));
  Put32(file, 0);
  Put32(file, 54);
  Put32(file, 40);
  Put32(file, static_cast<unsigned>(cx));
  Put32(file, static_cast<unsigned>(cy));
  Put16(file, 1);
  Put16(file, 24);
  for (int i = 0; i < 6; ++i) Put32(file, 0);
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) {
      file += static_cast<char>(GetBValue(clr));
      file += static_cast<char>(GetGValue(clr));
      file += static_cast<char>(GetRValue(clr));
    }
    file += std::string(nRow - cx * 3, '\0');
  }
  return file;
}

// The LZW data of one GIF frame of `nPixels` pixels of colour index `nIndex`
// (2-bit minimum code size, codes of 3 bits): a clear code before every two
// pixels keeps the code width from growing.
static std::string GifPixels(int nPixels, int nIndex) {
  std::vector<int> codes;
  for (int i = 0; i < nPixels; ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(nIndex);
  }
  codes.push_back(5);
  std::string bytes;
  unsigned nBits = 0;
  int nCount = 0;
  for (int code : codes) {
    nBits |= static_cast<unsigned>(code) << nCount;
    nCount += 3;
    while (nCount >= 8) {
      bytes += static_cast<char>(nBits & 0xFF);
      nBits >>= 8;
      nCount -= 8;
    }
  }
  if (nCount > 0) bytes += static_cast<char>(nBits & 0xFF);
  std::string block("\x02", 1);  // minimum code size
  block += static_cast<char>(bytes.size());
  block += bytes;
  block += '\0';
  return block;
}

std::string GifFile(const std::vector<int>& delays) {
  std::string file("GIF89a");
  Put16(file, 4);
  Put16(file, 4);
  file += '\x80';  // a global table of 2 colours
  file += '\0';
  file += '\0';
  file += std::string("\xFF\x00\x00\x00\x00\xFF", 6);
  for (size_t i = 0; i < delays.size(); ++i) {
    file += std::string("\x21\xF9\x04\x00", 4);
    Put16(file, delays[i]);
    file += std::string("\x00\x00", 2);
    file += '\x2C';
    Put16(file, 0);
    Put16(file, 0);
    Put16(file, 4);
    Put16(file, 4);
    file += '\0';
    file += GifPixels(16, static_cast<int>(i % 2));
  }
  file += '\x3B';
  return file;
}
