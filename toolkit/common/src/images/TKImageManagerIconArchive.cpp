// The archive form of an icon: its height and schema, then each image as one
// or two bitmap blocks (an alpha bitmap; an icon's colours and mask).
#include "common/TKImageManagerIcon.h"

#include <stdlib.h>
#include <string.h>

#include <commctrl.h>

#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

#include "DibValidation.h"

namespace {

// Counts above these belong to no bitmap this program writes.
const DWORD kMaxHeaderBytes = 2048;
const DWORD kMaxPixelBytes = 64 * 1024 * 1024;

DWORD ArchivedColorTableBytes(WORD bits) {
  return (bits == 4 ? 16 : bits == 8 ? 256 : 3) * sizeof(RGBQUAD);
}

// An icon of a colour bitmap and its mask.
HICON IconFromBitmaps(HBITMAP hColor, HBITMAP hMask) {
  BITMAP bitmap = {};
  ::GetObject(hColor, sizeof bitmap, &bitmap);
  HIMAGELIST hList =
      ImageList_Create(bitmap.bmWidth, bitmap.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
  if (hList == NULL) return NULL;
  HICON hIcon = NULL;
  if (ImageList_Add(hList, hColor, hMask) >= 0) hIcon = ImageList_GetIcon(hList, 0, ILD_NORMAL);
  ImageList_Destroy(hList);
  return hIcon;
}

}  // namespace

BOOL ReadBitmapForArchive(HBITMAP hBitmap, LPBYTE* ppHeader, DWORD* pdwHeaderSize, LPBYTE* ppPixels,
                          DWORD* pdwPixelSize) {
  *ppHeader = *ppPixels = NULL;
  *pdwHeaderSize = *pdwPixelSize = 0;
  if (hBitmap == NULL) return FALSE;
  LPBYTE pHeader = NULL, pPixels = NULL;
  BOOL bOk = FALSE;
  CTKScopedCreatedDC memory(::CreateCompatibleDC(NULL));
  HDC hMemory = memory.Get();
  try {
    BYTE query[sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)] = {};
    BITMAPINFOHEADER& info = *reinterpret_cast<BITMAPINFOHEADER*>(query);
    info.biSize = sizeof(BITMAPINFOHEADER);
    if (hMemory != NULL &&
        ::GetDIBits(hMemory, hBitmap, 0, 0, NULL, (BITMAPINFO*)query, DIB_RGB_COLORS)) {
      const DWORD dwHeaderSize =
          sizeof(BITMAPINFOHEADER) + ArchivedColorTableBytes(info.biBitCount);
      const int height = abs(info.biHeight);
      info.biHeight = height;  // always stored bottom-up
      DWORD dwPixelSize = info.biSizeImage;
      if (dwPixelSize == 0) dwPixelSize = (DWORD)info.biWidth * height * 4;
      pHeader = static_cast<LPBYTE>(calloc(1, sizeof query));
      pPixels = static_cast<LPBYTE>(malloc(dwPixelSize ? dwPixelSize : 1));
      if (pHeader == NULL || pPixels == NULL) AfxThrowMemoryException();
      memcpy(pHeader, query, sizeof(BITMAPINFOHEADER));
      bOk = ::GetDIBits(hMemory, hBitmap, 0, height, pPixels, (BITMAPINFO*)pHeader,
                        DIB_RGB_COLORS) == height;
      *pdwHeaderSize = dwHeaderSize;
      *pdwPixelSize = dwPixelSize;
    }
  } catch (CMemoryException* e) {
    e->Delete();
    bOk = FALSE;
  }
  if (!bOk) {
    free(pHeader);
    free(pPixels);
    *pdwHeaderSize = *pdwPixelSize = 0;
    return FALSE;
  }
  *ppHeader = pHeader;
  *ppPixels = pPixels;
  return TRUE;
}

void CTKImageManagerIcon::WriteBitmapBlock(CArchive& ar, HBITMAP hBitmap) {
  LPBYTE pHeader = NULL, pPixels = NULL;
  DWORD dwHeaderSize = 0, dwPixelSize = 0;
  if (!ReadBitmapForArchive(hBitmap, &pHeader, &dwHeaderSize, &pPixels, &dwPixelSize)) {
    ar.WriteCount(0);
    return;
  }
  ar.WriteCount(dwHeaderSize);
  ar.Write(pHeader, dwHeaderSize);
  ar.WriteCount(dwPixelSize);
  ar.Write(pPixels, dwPixelSize);
  free(pHeader);
  free(pPixels);
}

HBITMAP CTKImageManagerIcon::CreateBitmapFromBlock(const BYTE* pHeader, DWORD dwHeaderSize,
                                                   const BYTE* pPixels, DWORD dwPixelSize,
                                                   LPBYTE* ppBits) {
  if (ppBits != NULL) *ppBits = NULL;
  if (pHeader == NULL || pPixels == NULL || dwHeaderSize < sizeof(BITMAPINFOHEADER)) return NULL;
  BITMAPINFOHEADER header;
  memcpy(&header, pHeader, sizeof header);
  if (header.biSize != sizeof(BITMAPINFOHEADER)) return NULL;
  const DWORD dwImageBytes = DibValidation::ImageBytes(header);
  const ULONGLONG tableBytes = DibValidation::ColorTableBytes(header);
  if (dwImageBytes == 0 || sizeof header + tableBytes > dwHeaderSize || dwPixelSize < dwImageBytes)
    return NULL;
  // A stated image size must lie between what the header describes and what is there.
  if (header.biSizeImage != 0 &&
      (header.biSizeImage < dwImageBytes || header.biSizeImage > dwPixelSize))
    return NULL;
  // The DIB is made from a copy that holds the whole table, zero-filled as needed.
  BYTE info[sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)] = {};
  memcpy(info, pHeader, sizeof header + (size_t)tableBytes);
  BITMAPINFOHEADER& copy = *reinterpret_cast<BITMAPINFOHEADER*>(info);
  copy.biSizeImage = dwImageBytes;
  // GDI is handed the masks alone, so that it reads no table beyond them.
  if (copy.biCompression == BI_BITFIELDS) copy.biClrUsed = 0;
  // Kept bottom-up, as every bitmap whose pixels the toolkit handles directly.
  const bool bTopDown = copy.biHeight < 0;
  const LONG height = bTopDown ? -copy.biHeight : copy.biHeight;
  copy.biHeight = height;
  void* pvBits = NULL;
  CTKScopedBitmap bitmap(
      ::CreateDIBSection(NULL, (BITMAPINFO*)info, DIB_RGB_COLORS, &pvBits, NULL, 0));
  if (!bitmap || pvBits == NULL) return NULL;
  if (bTopDown) {
    const DWORD dwRow = dwImageBytes / height;
    for (LONG row = 0; row < height; ++row)
      memcpy(static_cast<BYTE*>(pvBits) + (size_t)row * dwRow,
             pPixels + (size_t)(height - 1 - row) * dwRow, dwRow);
  } else {
    memcpy(pvBits, pPixels, dwImageBytes);
  }
  if (ppBits != NULL) *ppBits = static_cast<LPBYTE>(pvBits);
  return bitmap.Detach();
}

HBITMAP CTKImageManagerIcon::ReadBitmapBlock(CArchive& ar, LPBYTE* ppBits) {
  if (ppBits != NULL) *ppBits = NULL;
  const DWORD_PTR nHeaderSize = ar.ReadCount();
  if (nHeaderSize == 0) return NULL;
  if (nHeaderSize > kMaxHeaderBytes) AfxThrowArchiveException(CArchiveException::badIndex);
  BYTE header[kMaxHeaderBytes];
  if (ar.Read(header, (UINT)nHeaderSize) != nHeaderSize)
    AfxThrowArchiveException(CArchiveException::endOfFile);
  const DWORD_PTR nPixelSize = ar.ReadCount();
  if (nPixelSize > kMaxPixelBytes) AfxThrowArchiveException(CArchiveException::badIndex);
  LPBYTE pPixels = static_cast<LPBYTE>(malloc(nPixelSize ? nPixelSize : 1));
  if (pPixels == NULL) AfxThrowMemoryException();
  if (ar.Read(pPixels, (UINT)nPixelSize) != nPixelSize) {
    free(pPixels);
    AfxThrowArchiveException(CArchiveException::endOfFile);
  }
  // A header stored with an image size of 0 means the pixels that follow it.
  if (nHeaderSize >= sizeof(BITMAPINFOHEADER)) {
    BITMAPINFOHEADER& info = *reinterpret_cast<BITMAPINFOHEADER*>(header);
    if (info.biSizeImage == 0) info.biSizeImage = (DWORD)nPixelSize;
  }
  HBITMAP hBitmap =
      CreateBitmapFromBlock(header, (DWORD)nHeaderSize, pPixels, (DWORD)nPixelSize, ppBits);
  free(pPixels);
  return hBitmap;
}

void CTKImageManagerIcon::SerializeImage(CTKImageManagerIconHandle& image, CArchive& ar,
                                         UINT nSchema) {
  if (ar.IsStoring()) {
    CTKImageManagerIconHandle copy;  // plain: a slot becomes a bitmap or an icon
    copy.CopyFrom(image);
    if (copy.IsEmpty()) {
      ar.WriteCount(0);
      ar.WriteCount(0);
    } else if (copy.GetIcon() != NULL) {
      CTKScopedIconInfo info(copy.GetIcon());
      if (info) {
        WriteBitmapBlock(ar, info.GetColor());
        WriteBitmapBlock(ar, info.GetMask());
      } else {
        ar.WriteCount(0);
        ar.WriteCount(0);
      }
    } else {
      copy.GetPremultipliedBits();
      WriteBitmapBlock(ar, copy.GetBitmap());
      ar.WriteCount(0);
    }
    return;
  }
  LPBYTE pBits = NULL;
  CTKScopedBitmap color(ReadBitmapBlock(ar, &pBits));
  CTKScopedBitmap mask(ReadBitmapBlock(ar, NULL));
  CTKImageManagerIconHandle loaded;
  if (color && mask) {
    HICON hIcon = IconFromBitmaps(color.Get(), mask.Get());
    if (hIcon != NULL) loaded.SetIcon(hIcon);
  } else if (color) {
    // From schema 25 on, alpha bitmaps are stored premultiplied.
    if (nSchema >= 25)
      loaded.SetPremultipliedBitmap(color.Detach(), pBits);
    else
      loaded.SetBitmap(color.Detach());
  }
  image.CopyFrom(loaded);
}

void CTKImageManagerIcon::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << (int)m_nHeight;
    ar << (UINT)kArchiveSchema;
  } else {
    int nHeight = 0;
    UINT nSchema = 0;
    ar >> nHeight;
    ar >> nSchema;
    m_nHeight = nHeight;
    ClearImages(TRUE);
    SerializeImages(ar, nSchema);
    return;
  }
  SerializeImages(ar, kArchiveSchema);
}

void CTKImageManagerIcon::SerializeImages(CArchive& ar, UINT nSchema) {
  SerializeImage(m_imageNormal, ar, nSchema);
  SerializeImage(m_imageDisabled, ar, nSchema);
  SerializeImage(m_imageHot, ar, nSchema);
  if (nSchema > 7) SerializeImage(m_imageChecked, ar, nSchema);
  if (nSchema >= 17) SerializeImage(m_imagePressed, ar, nSchema);
}
