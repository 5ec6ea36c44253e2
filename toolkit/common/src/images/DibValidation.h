// Checks that a DIB header describes data that is really there, before any
// pixels are copied: icon images from resources and .ico files, and bitmaps
// read back from archives.
#pragma once

#include <windows.h>

namespace DibValidation {

/// The bytes of one row of `width` pixels of `bits` each, padded to 4 bytes.
ULONGLONG RowBytes(LONG width, WORD bits);
/// The bytes of the colour table after a header: up to 256 entries for 8 bits
/// or fewer, three masks (and no entries, whatever biClrUsed says) for
/// BI_BITFIELDS after a 40-byte header, else the entries biClrUsed names.
/// (ULONGLONG)-1 for a count that cannot be.
ULONGLONG ColorTableBytes(const BITMAPINFOHEADER& header);
/// Whether the header is one this program draws: a size of at least 40 bytes,
/// one plane, 1, 4, 8, 16, 24 or 32 bits, BI_RGB (or BI_BITFIELDS for 16 and
/// 32 bits), a positive width, a height that is not 0, and pixels that fit in
/// 0x7FFFFFFF bytes.
BOOL IsUsableHeader(const BITMAPINFOHEADER& header);
/// The pixel bytes of the header's image (rows x |height|); 0 for an unusable header.
DWORD ImageBytes(const BITMAPINFOHEADER& header);

/// An icon image (an RT_ICON resource or an .ico entry) of `size` bytes: its
/// header, its colour table, its colour rows and (unless only the colour rows
/// are needed) its mask rows all lie within the data. The header's height
/// counts both images.
BOOL IsCompleteIconImage(const BYTE* pData, DWORD size, BOOL bColorRowsOnly);

}  // namespace DibValidation
