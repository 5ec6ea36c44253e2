// ZipArchiveReader: one archive held in memory, read through minizip.
#pragma once

#include "common/TKZipArchive.h"

/// The reader behind a zip handle. Results are the TK_ZIP_ codes. Keeps one
/// item open at a time, so that a partial extraction can be continued.
class ZipArchiveReader {
 public:
  /// `password` (or null) is copied. Encrypted items are not read, with a
  /// password or without; every other item is read whatever the password.
  explicit ZipArchiveReader(const char* password);
  ~ZipArchiveReader();
  ZipArchiveReader(const ZipArchiveReader&) = delete;
  ZipArchiveReader& operator=(const ZipArchiveReader&) = delete;

  /// Opens the archive over `data` (not copied); TK_ZIP_OPENFAILED when it is not a zip.
  DWORD Open(const void* data, DWORD size);
  /// Describes item `index`; -1 gives the number of items in the entry's index.
  DWORD GetItem(int index, TK_ZIPENTRY* pEntry);
  /// Finds the item stored under `name`; names of 256 bytes or more are not found.
  DWORD FindItem(const char* name, BOOL bCaseInsensitive, int* pIndex, TK_ZIPENTRY* pEntry);
  /// Inflates the next at most `length` bytes of item `index` into `buffer`.
  /// Only stored and deflated items are read: any other method is
  /// TK_ZIP_INFLATE, an encrypted item TK_ZIP_PASSWORD.
  DWORD Unzip(int index, void* buffer, DWORD length);
  /// Closes the open item and the archive; 0.
  DWORD Close();

  /// Strips what would place an item outside its folder: a drive, a leading
  /// slash, everything up to a "\..\"-like part; repeated until none is left.
  static void SanitizeName(char* name);

  /// The archive's bytes, as minizip's input function opens them.
  struct MemoryBlock {
    const void* data;
    DWORD size;
  };

 private:
  void CloseItem();
  /// Makes item `index` minizip's current item.
  DWORD MoveTo(int index);
  DWORD Describe(int index, TK_ZIPENTRY* pEntry);
  int CurrentIndex() const;

  MemoryBlock m_block;
  void* m_zip;  // unzFile; null while closed
  int m_openItem;
  TK_ZIPENTRY m_cachedEntry;
  int m_cachedIndex;
  char* m_password;
  int m_itemCount;
};
