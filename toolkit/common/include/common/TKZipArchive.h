// Reading zip archives held in memory (the style archives of markup drawings
// that ship in resources): open, find an item, inflate it into a buffer, close.
// minizip does the reading; these functions give it a memory block as its file.
#pragma once

#include <windows.h>

class ZipArchiveReader;

/// Result codes of the zip functions; the public functions also keep the last
/// one for GetZipLastError.
enum {
  TK_ZIP_OK = 0,
  TK_ZIP_OPENFAILED = 0x00000200,   ///< not a zip, or unreadable
  TK_ZIP_NOTFOUND = 0x00000500,     ///< no item of that name
  TK_ZIP_MOREDATA = 0x00000600,     ///< the buffer filled before the item ended
  TK_ZIP_CORRUPT = 0x00000700,      ///< the item's local header is inconsistent
  TK_ZIP_READFAILED = 0x00000800,   ///< reading the item failed
  TK_ZIP_PASSWORD = 0x00001000,     ///< the item is encrypted (such items are not read)
  TK_ZIP_BADARGS = 0x00010000,      ///< null handle, index out of range
  TK_ZIP_WRONGHANDLE = 0x00080000,  ///< the handle is not an archive reader
  TK_ZIP_INFLATE = 0x05000000       ///< inflating failed, or neither stored nor deflated
};

/// A handle returned by OpenZipArchive: its kind (1, an archive reader) and the reader.
struct TK_ZIPHANDLE {
  DWORD dwKind;
  ZipArchiveReader* pReader;
};
typedef TK_ZIPHANDLE* HTKZIP;
enum { TK_ZIPHANDLE_READER = 1 };

/// One item of an archive. Times are UTC.
struct TK_ZIPENTRY {
  int index;            ///< item number (for index -1: the number of items)
  char name[MAX_PATH];  ///< sanitised: no drive, no leading slash, no "dir\..\" parts
  DWORD attributes;     ///< FILE_ATTRIBUTE_ bits
  FILETIME accessTime;
  FILETIME creationTime;
  FILETIME modificationTime;
  DWORD compressedSize;
  DWORD uncompressedSize;
};

/// Opens the archive in `data` (which must outlive the handle); null when it is
/// not a zip (GetZipLastError gives TK_ZIP_OPENFAILED). The password is copied;
/// encrypted items are not read, so it opens none of them.
HTKZIP OpenZipArchive(const void* data, DWORD size, const char* password);
/// Finds `name` (compared with the stored name, case-insensitively when asked);
/// TK_ZIP_NOTFOUND leaves index -1 and an entry of zeros with index -1.
DWORD FindZipEntry(HTKZIP hZip, const char* name, BOOL bCaseInsensitive, int* pIndex,
                   TK_ZIPENTRY* pEntry);
/// Inflates up to `length` bytes of item `index` into `buffer`. TK_ZIP_MOREDATA
/// when the item goes on: the next call with the same index continues.
DWORD ExtractZipEntryToMemory(HTKZIP hZip, int index, void* buffer, DWORD length);
/// Closes the archive and frees the handle.
DWORD CloseZipArchive(HTKZIP hZip);
/// The result of the last public zip function called in the process.
DWORD GetZipLastError();

/// A memory block read as a file: the input minizip reads an archive from.
struct TK_ZIPMEMORYINPUT {
  const BYTE* pBase;
  DWORD dwSize;
  LONGLONG nPosition;
};

/// A new input at position 0 over the block (not copied).
TK_ZIPMEMORYINPUT* ZipFileOpen(const void* data, DWORD size);
/// Copies min(itemSize x count, bytes left) bytes, advances, and returns the
/// number of whole items copied; nothing once the position is at or past the end.
DWORD ZipFileRead(TK_ZIPMEMORYINPUT* pInput, void* buffer, DWORD itemSize, DWORD count);
/// Origin 0: from the start, 1: from the position, 2: from the end; other
/// origins change nothing. 0, or -1 (nothing changed) for a position before the start.
int ZipFileSeek(TK_ZIPMEMORYINPUT* pInput, LONGLONG offset, int origin);
LONGLONG ZipFileTell(TK_ZIPMEMORYINPUT* pInput);
/// Always 0: reading memory does not fail.
int ZipFileError(TK_ZIPMEMORYINPUT* pInput);
/// Frees the input; -1 for none.
int ZipFileClose(TK_ZIPMEMORYINPUT* pInput);
