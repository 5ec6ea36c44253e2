// ZipArchiveReader: minizip over a memory block, items described with their
// names made safe and their times in UTC.
#include "ZipArchiveReader.h"

#include <stdlib.h>
#include <string.h>

#include <minizip/unzip.h>

namespace {

// minizip's file functions over TK_ZIPMEMORYINPUT; the opaque value is the block.
voidpf ZCALLBACK OpenInput(voidpf opaque, const char*, int) {
  const ZipArchiveReader::MemoryBlock* pBlock =
      static_cast<const ZipArchiveReader::MemoryBlock*>(opaque);
  return ZipFileOpen(pBlock->data, pBlock->size);
}

uLong ZCALLBACK ReadInput(voidpf, voidpf stream, void* buf, uLong size) {
  return ZipFileRead(static_cast<TK_ZIPMEMORYINPUT*>(stream), buf, 1, size);
}

uLong ZCALLBACK WriteInput(voidpf, voidpf, const void*, uLong) { return 0; }

long ZCALLBACK TellInput(voidpf, voidpf stream) {
  return (long)ZipFileTell(static_cast<TK_ZIPMEMORYINPUT*>(stream));
}

long ZCALLBACK SeekInput(voidpf, voidpf stream, uLong offset, int origin) {
  return ZipFileSeek(static_cast<TK_ZIPMEMORYINPUT*>(stream), (LONGLONG)offset, origin);
}

int ZCALLBACK CloseInput(voidpf, voidpf stream) {
  return ZipFileClose(static_cast<TK_ZIPMEMORYINPUT*>(stream));
}

int ZCALLBACK ErrorInput(voidpf, voidpf stream) {
  return ZipFileError(static_cast<TK_ZIPMEMORYINPUT*>(stream));
}

// Hosts whose external attributes carry the DOS attribute byte.
bool IsDosAttributeHost(int host) { return host == 0 || host == 7 || host == 11 || host == 14; }

DWORD AttributesOf(const unz_file_info& info) {
  DWORD external = (DWORD)info.external_fa;
  if (IsDosAttributeHost((int)(info.version >> 8))) {
    return external & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                       FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE);
  }
  // A Unix mode in the high word: the directory type and the owner-write bit.
  DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
  if (external & 0x40000000) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (!(external & 0x00800000)) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes;
}

FILETIME FileTimeFromUnix(LONG seconds) {
  ULONGLONG value = ((ULONGLONG)((LONGLONG)seconds + 11644473600LL)) * 10000000ULL;
  FILETIME time;
  time.dwLowDateTime = (DWORD)value;
  time.dwHighDateTime = (DWORD)(value >> 32);
  return time;
}

LONG ReadLong(const BYTE* p) { return (LONG)(p[0] | p[1] << 8 | p[2] << 16 | (DWORD)p[3] << 24); }

// The extended-timestamp block ("UT") of a local extra field, when there is one:
// a flags byte, then the modification, access and creation times it announces.
void ApplyExtendedTimes(const BYTE* extra, DWORD size, TK_ZIPENTRY* pEntry) {
  DWORD pos = 0;
  while (pos + 4 <= size) {
    DWORD blockSize = extra[pos + 2] | extra[pos + 3] << 8;
    if (extra[pos] == 'U' && extra[pos + 1] == 'T') {
      DWORD end = pos + 4 + blockSize;
      if (end > size) end = size;
      DWORD at = pos + 4;
      if (at >= end) return;
      BYTE flags = extra[at++];
      FILETIME* targets[3] = {&pEntry->modificationTime, &pEntry->accessTime,
                              &pEntry->creationTime};
      for (int bit = 0; bit < 3; ++bit) {
        if (!(flags & (1 << bit))) continue;
        if (at + 4 > end) return;
        *targets[bit] = FileTimeFromUnix(ReadLong(extra + at));
        at += 4;
      }
      return;
    }
    pos += 4 + blockSize;
  }
}

void SetDosTimes(DWORD dosDate, TK_ZIPENTRY* pEntry) {
  FILETIME local, utc;
  if (!DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local)) return;
  if (!LocalFileTimeToFileTime(&local, &utc)) return;
  pEntry->accessTime = pEntry->creationTime = pEntry->modificationTime = utc;
}

void ClearEntry(TK_ZIPENTRY* pEntry, int index) {
  memset(pEntry, 0, sizeof *pEntry);
  pEntry->index = index;
}

// Removes the first `count` characters of the string.
void DropFront(char* name, size_t count) { memmove(name, name + count, strlen(name + count) + 1); }

}  // namespace

void ZipArchiveReader::SanitizeName(char* name) {
  static const char* const kUpLinks[] = {"\\..\\", "\\../", "/../", "/..\\"};
  for (bool changed = true; changed;) {
    changed = false;
    if (name[0] != 0 && name[1] == ':') {
      DropFront(name, 2);
      changed = true;
    }
    if (name[0] == '\\' || name[0] == '/') {
      DropFront(name, 1);
      changed = true;
    }
    for (const char* link : kUpLinks) {
      if (const char* found = strstr(name, link)) {
        DropFront(name, (size_t)(found - name) + 4);
        changed = true;
        break;
      }
    }
  }
}

ZipArchiveReader::ZipArchiveReader(const char* password)
    : m_block(), m_zip(NULL), m_openItem(-1), m_cachedIndex(-1), m_password(NULL), m_itemCount(0) {
  memset(&m_cachedEntry, 0, sizeof m_cachedEntry);
  if (password != NULL) m_password = _strdup(password);
}

ZipArchiveReader::~ZipArchiveReader() {
  Close();
  free(m_password);
}

DWORD ZipArchiveReader::Open(const void* data, DWORD size) {
  Close();
  m_block.data = data;
  m_block.size = size;
  zlib_filefunc_def functions = {OpenInput, ReadInput,  WriteInput, TellInput,
                                 SeekInput, CloseInput, ErrorInput, &m_block};
  unzFile zip = unzOpen2("", &functions);
  if (zip == NULL) return TK_ZIP_OPENFAILED;
  unz_global_info global;
  if (unzGetGlobalInfo(zip, &global) != UNZ_OK || global.number_entry > 0x7FFFFFFF) {
    unzClose(zip);
    return TK_ZIP_OPENFAILED;
  }
  m_zip = zip;
  m_itemCount = (int)global.number_entry;
  m_cachedIndex = -1;
  return TK_ZIP_OK;
}

DWORD ZipArchiveReader::Close() {
  CloseItem();
  if (m_zip != NULL) unzClose(m_zip);
  m_zip = NULL;
  m_cachedIndex = -1;
  m_itemCount = 0;
  return TK_ZIP_OK;
}

void ZipArchiveReader::CloseItem() {
  if (m_openItem != -1) unzCloseCurrentFile(m_zip);
  m_openItem = -1;
}

int ZipArchiveReader::CurrentIndex() const {
  unz_file_pos position;
  if (unzGetFilePos(m_zip, &position) != UNZ_OK) return -1;
  return (int)position.num_of_file;
}

DWORD ZipArchiveReader::MoveTo(int index) {
  int current = CurrentIndex();
  if (current < 0 || index < current) {
    if (unzGoToFirstFile(m_zip) != UNZ_OK) return TK_ZIP_READFAILED;
    current = 0;
  }
  for (; current < index; ++current) {
    if (unzGoToNextFile(m_zip) != UNZ_OK) return TK_ZIP_READFAILED;
  }
  return TK_ZIP_OK;
}

DWORD ZipArchiveReader::GetItem(int index, TK_ZIPENTRY* pEntry) {
  if (m_zip == NULL || index < -1 || index >= m_itemCount || pEntry == NULL) return TK_ZIP_BADARGS;
  CloseItem();
  if (index == -1) {
    ClearEntry(pEntry, m_itemCount);
    return TK_ZIP_OK;
  }
  if (index == m_cachedIndex) {
    *pEntry = m_cachedEntry;
    return TK_ZIP_OK;
  }
  DWORD result = MoveTo(index);
  if (result == TK_ZIP_OK) result = Describe(index, pEntry);
  return result;
}

DWORD ZipArchiveReader::Describe(int index, TK_ZIPENTRY* pEntry) {
  unz_file_info info;
  char name[MAX_PATH + 1] = {};
  if (unzGetCurrentFileInfo(m_zip, &info, name, MAX_PATH, NULL, 0, NULL, 0) != UNZ_OK)
    return TK_ZIP_CORRUPT;
  // The local header holds the extra field with the exact times; opening the
  // item raw reads that header without starting to inflate.
  int opened = unzOpenCurrentFile2(m_zip, NULL, NULL, 1);
  if (opened != UNZ_OK) return opened == UNZ_BADZIPFILE ? TK_ZIP_CORRUPT : TK_ZIP_READFAILED;
  BYTE extra[0xFFFF];
  int extraSize = unzGetLocalExtrafield(m_zip, extra, sizeof extra);
  unzCloseCurrentFile(m_zip);
  if (extraSize < 0) return TK_ZIP_READFAILED;

  TK_ZIPENTRY entry;
  ClearEntry(&entry, index);
  SanitizeName(name);
  lstrcpynA(entry.name, name, sizeof entry.name);
  entry.attributes = AttributesOf(info);
  SetDosTimes((DWORD)info.dosDate, &entry);
  ApplyExtendedTimes(extra, (DWORD)extraSize, &entry);
  entry.compressedSize = (DWORD)info.compressed_size;
  entry.uncompressedSize = (DWORD)info.uncompressed_size;
  m_cachedEntry = entry;
  m_cachedIndex = index;
  *pEntry = entry;
  return TK_ZIP_OK;
}

DWORD ZipArchiveReader::FindItem(const char* name, BOOL bCaseInsensitive, int* pIndex,
                                 TK_ZIPENTRY* pEntry) {
  if (m_zip == NULL || name == NULL) return TK_ZIP_BADARGS;
  if (unzLocateFile(m_zip, name, bCaseInsensitive ? 2 : 1) != UNZ_OK) {
    if (pIndex != NULL) *pIndex = -1;
    if (pEntry != NULL) ClearEntry(pEntry, -1);
    return TK_ZIP_NOTFOUND;
  }
  CloseItem();
  int index = CurrentIndex();
  if (pIndex != NULL) *pIndex = index;
  if (pEntry == NULL) return TK_ZIP_OK;
  return GetItem(index, pEntry);
}

DWORD ZipArchiveReader::Unzip(int index, void* buffer, DWORD length) {
  if (m_zip == NULL || (buffer == NULL && length > 0)) return TK_ZIP_BADARGS;
  if (index < 0 || index != m_openItem) {
    CloseItem();
    if (index < 0 || index >= m_itemCount) return TK_ZIP_BADARGS;
    DWORD result = MoveTo(index);
    if (result != TK_ZIP_OK) return result;
    unz_file_info info;
    if (unzGetCurrentFileInfo(m_zip, &info, NULL, 0, NULL, 0, NULL, 0) != UNZ_OK)
      return TK_ZIP_CORRUPT;
    // minizip hands an item of any other method back raw, without its CRC check.
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
      return TK_ZIP_INFLATE;
    // minizip is built here without decryption: it refuses every item when
    // given a password, so none is passed, and an encrypted item is not read.
    if (info.flag & 1) return TK_ZIP_PASSWORD;
    int opened = unzOpenCurrentFile(m_zip);
    if (opened != UNZ_OK) return opened == UNZ_BADZIPFILE ? TK_ZIP_CORRUPT : TK_ZIP_INFLATE;
    m_openItem = index;
  }
  int read =
      length > 0 ? unzReadCurrentFile(m_zip, buffer, length > 0x7FFFFFFF ? 0x7FFFFFFF : length) : 0;
  if (read < 0) {
    CloseItem();
    return TK_ZIP_INFLATE;
  }
  if (unzeof(m_zip)) {
    // The whole item has been read: closing checks its CRC.
    int closed = unzCloseCurrentFile(m_zip);
    m_openItem = -1;
    return closed == UNZ_OK ? TK_ZIP_OK : TK_ZIP_INFLATE;
  }
  if (read == 0) CloseItem();
  return TK_ZIP_MOREDATA;
}
