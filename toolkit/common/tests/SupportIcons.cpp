#include "SupportIcons.h"

HICON MakeTestIcon(int width, int height, int bits, const TestImages::PixelFn& bgra,
                   const std::function<bool(int x, int y)>& transparent) {
  std::string image = TestImages::MakeIconImage(width, height, bits, bgra, transparent);
  return CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), (DWORD)image.size(), TRUE,
                                  0x30000, width, height, 0);
}

HICON MakeSolidIcon(int width, int height, COLORREF clr) {
  const uint32_t pixel = TestImages::Bgra(GetBValue(clr), GetGValue(clr), GetRValue(clr), 0);
  return MakeTestIcon(
      width, height, 24, [pixel](int, int) { return pixel; }, [](int, int) { return false; });
}
