// Loading bitmaps and PNGs from resources and files, with their alpha flag.
#include "common/TKBitmapFunctions.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include <ole2.h>
#include <olectl.h>

#include "TKGraphicBitmapPng.h"
#include "common/TKRefPtr.h"
#include "common/TKScopedHandle.h"

namespace {

const BYTE kPngMagic[4] = {0x89, 'P', 'N', 'G'};

// The locked bytes of a resource, or null.
const BYTE* ResourceBytes(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType, DWORD* pdwSize) {
  *pdwSize = 0;
  HRSRC hResource = ::FindResourceA(hModule, lpszName, lpszType);
  if (hResource == NULL) return NULL;
  HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
  if (hGlobal == NULL) return NULL;
  *pdwSize = ::SizeofResource(hModule, hResource);
  return static_cast<const BYTE*>(::LockResource(hGlobal));
}

// The first `count` bytes of a file; FALSE when it is shorter.
BOOL ReadFileStart(LPCSTR lpszPath, void* buffer, DWORD count) {
  HANDLE hFile =
      ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (hFile == INVALID_HANDLE_VALUE) return FALSE;
  DWORD got = 0;
  BOOL ok = ::ReadFile(hFile, buffer, count, &got, NULL) && got == count;
  ::CloseHandle(hFile);
  return ok;
}

// Where the pixels of a packed 32-bit DIB start, when its header describes
// pixels that the block holds in full; 0 otherwise.
DWORD PixelOffsetOf32BitDib(const BITMAPINFOHEADER& header, DWORD dwSize) {
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > dwSize ||
      header.biBitCount != 32 || header.biPlanes != 1 || header.biWidth <= 0 ||
      header.biHeight == 0 || header.biHeight == LONG_MIN ||
      (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS) ||
      header.biClrUsed > 256)
    return 0;
  ULONGLONG offset = header.biSize + (ULONGLONG)header.biClrUsed * 4;
  if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
    offset += 3 * sizeof(DWORD);
  const ULONGLONG pixels = (ULONGLONG)header.biWidth *
                           (ULONGLONG)(header.biHeight < 0 ? -header.biHeight : header.biHeight) *
                           4;
  if (pixels > 0x7FFFFFFF || offset + pixels > dwSize) return 0;
  return (DWORD)offset;
}

HBITMAP BitmapFromPng(CTKGraphicBitmapPng* pPng, BOOL bLoaded, BOOL* pbAlpha) {
  if (!bLoaded) return NULL;
  if (pbAlpha != NULL) *pbAlpha = pPng->IsAlpha();
  return static_cast<HBITMAP>(pPng->Detach());
}

}  // namespace

BOOL IsPngResource(HMODULE hModule, LPCSTR lpszName) {
  DWORD dwSize = 0;
  const BYTE* pData = ResourceBytes(hModule, lpszName, "PNG", &dwSize);
  return pData != NULL && dwSize >= 4 && memcmp(pData, kPngMagic, 4) == 0;
}

BOOL IsPngFile(LPCSTR lpszPath) {
  BYTE start[4];
  return ReadFileStart(lpszPath, start, sizeof start) && memcmp(start, kPngMagic, 4) == 0;
}

BOOL IsAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName) {
  DWORD dwSize = 0;
  const BYTE* pData = ResourceBytes(hModule, lpszName, RT_BITMAP, &dwSize);
  if (pData == NULL || dwSize < sizeof(BITMAPINFOHEADER)) return FALSE;
  BITMAPINFOHEADER header;
  memcpy(&header, pData, sizeof header);
  return header.biBitCount == 32;
}

BOOL IsAlphaBitmapFile(LPCSTR lpszPath) {
  BYTE start[sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)];
  if (!ReadFileStart(lpszPath, start, sizeof start)) return FALSE;
  BITMAPINFOHEADER header;
  memcpy(&header, start + sizeof(BITMAPFILEHEADER), sizeof header);
  return header.biBitCount == 32;
}

HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName) {
  DWORD dwSize = 0;
  const BYTE* pData = ResourceBytes(hModule, lpszName, RT_BITMAP, &dwSize);
  if (pData == NULL || dwSize < sizeof(BITMAPINFOHEADER)) return NULL;
  BITMAPINFOHEADER header;
  memcpy(&header, pData, sizeof header);
  const DWORD offset = PixelOffsetOf32BitDib(header, dwSize);
  if (offset == 0) return NULL;
  const DWORD pixels = (DWORD)header.biWidth * (DWORD)abs(header.biHeight) * 4;
  BITMAPINFO info;
  memset(&info, 0, sizeof info);
  info.bmiHeader = header;
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = pixels;
  info.bmiHeader.biClrUsed = 0;
  void* pvBits = NULL;
  CTKScopedBitmap bitmap(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pvBits, NULL, 0));
  if (!bitmap || pvBits == NULL) return NULL;
  memcpy(pvBits, pData + offset, pixels);
  return bitmap.Detach();
}

HBITMAP LoadBitmapOrPngFromModule(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha) {
  if (pbAlpha != NULL) *pbAlpha = FALSE;
  if (IsPngResource(hModule, lpszName)) {
    CTKGraphicBitmapPng png;
    BOOL bLoaded = png.LoadFromResource(hModule, ::FindResourceA(hModule, lpszName, "PNG"));
    return BitmapFromPng(&png, bLoaded, pbAlpha);
  }
  const BOOL bAlpha = IsAlphaBitmapResource(hModule, lpszName);
  if (pbAlpha != NULL) *pbAlpha = bAlpha;
  if (bAlpha) return LoadAlphaBitmapResource(hModule, lpszName);
  return static_cast<HBITMAP>(::LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
}

HBITMAP LoadBitmapOrPngResource(LPCSTR lpszName, BOOL* pbAlpha) {
  HMODULE hModule = AfxFindResourceHandle(lpszName, "PNG");
  if (!IsPngResource(hModule, lpszName)) hModule = AfxFindResourceHandle(lpszName, RT_BITMAP);
  return LoadBitmapOrPngFromModule(hModule, lpszName, pbAlpha);
}

namespace {

// Any picture OLE reads, rendered at its own size on the button face colour.
HBITMAP LoadPictureFile(LPCSTR lpszPath) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, NULL, 0);
  if (length <= 0) return NULL;
  LPOLESTR lpszWide = static_cast<LPOLESTR>(malloc(length * sizeof(OLECHAR)));
  if (lpszWide == NULL) return NULL;
  ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, lpszWide, length);
  CTKComPtr<IPicture> picture;
  HRESULT hr = ::OleLoadPicturePath(lpszWide, NULL, 0, 0, IID_IPicture,
                                    reinterpret_cast<void**>(picture.ReleaseAndGetAddressOf()));
  free(lpszWide);
  if (FAILED(hr) || picture == nullptr) return NULL;

  OLE_XSIZE_HIMETRIC himetricWidth = 0;
  OLE_YSIZE_HIMETRIC himetricHeight = 0;
  picture->get_Width(&himetricWidth);
  picture->get_Height(&himetricHeight);
  CTKScopedWindowDC screen(NULL);
  CTKScopedCreatedDC memory(::CreateCompatibleDC(screen.Get()));
  if (!memory) return NULL;
  const int cx = MulDiv(::GetDeviceCaps(screen.Get(), LOGPIXELSX), himetricWidth, 2540);
  const int cy = MulDiv(::GetDeviceCaps(screen.Get(), LOGPIXELSY), himetricHeight, 2540);
  HBITMAP hBitmap = cx > 0 && cy > 0 ? Create32BitDIBSection(screen.Get(), cx, cy, NULL) : NULL;
  if (hBitmap != NULL) {
    CTKSelectGuard select(memory.Get(), hBitmap);
    RECT rect = {0, 0, cx, cy};
    ::FillRect(memory.Get(), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    picture->Render(memory.Get(), 0, 0, cx, cy, 0, himetricHeight, himetricWidth, -himetricHeight,
                    NULL);
  }
  return hBitmap;
}

}  // namespace

HBITMAP LoadBitmapFromFile(LPCSTR lpszPath, BOOL* pbAlpha) {
  if (pbAlpha != NULL) *pbAlpha = FALSE;
  if (IsPngFile(lpszPath)) {
    CTKGraphicBitmapPng png;
    BOOL bLoaded = png.LoadFromFile(lpszPath);
    return BitmapFromPng(&png, bLoaded, pbAlpha);
  }
  const BOOL bAlpha = IsAlphaBitmapFile(lpszPath);
  UINT flags = LR_LOADFROMFILE | LR_DEFAULTSIZE | (bAlpha ? LR_CREATEDIBSECTION : 0);
  HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageA(NULL, lpszPath, IMAGE_BITMAP, 0, 0, flags));
  if (hBitmap != NULL) {
    if (pbAlpha != NULL) *pbAlpha = bAlpha;
    return hBitmap;
  }
  return LoadPictureFile(lpszPath);
}
