// The public zip functions: handle checks around ZipArchiveReader, and the
// process-wide last result.
#include "common/TKZipArchive.h"

#include "ZipArchiveReader.h"

namespace {

volatile LONG g_lastZipError = TK_ZIP_OK;

DWORD Keep(DWORD result) {
  InterlockedExchange(&g_lastZipError, (LONG)result);
  return result;
}

DWORD CheckHandle(HTKZIP hZip) {
  if (hZip == NULL) return TK_ZIP_BADARGS;
  if (hZip->dwKind != TK_ZIPHANDLE_READER || hZip->pReader == NULL) return TK_ZIP_WRONGHANDLE;
  return TK_ZIP_OK;
}

}  // namespace

DWORD GetZipLastError() { return (DWORD)g_lastZipError; }

HTKZIP OpenZipArchive(const void* data, DWORD size, const char* password) {
  ZipArchiveReader* pReader = new ZipArchiveReader(password);
  DWORD result = pReader->Open(data, size);
  if (result != TK_ZIP_OK) {
    delete pReader;
    Keep(result);
    return NULL;
  }
  HTKZIP hZip = new TK_ZIPHANDLE;
  hZip->dwKind = TK_ZIPHANDLE_READER;
  hZip->pReader = pReader;
  Keep(TK_ZIP_OK);
  return hZip;
}

DWORD FindZipEntry(HTKZIP hZip, const char* name, BOOL bCaseInsensitive, int* pIndex,
                   TK_ZIPENTRY* pEntry) {
  DWORD result = CheckHandle(hZip);
  if (result != TK_ZIP_OK) return Keep(result);
  return Keep(hZip->pReader->FindItem(name, bCaseInsensitive, pIndex, pEntry));
}

DWORD ExtractZipEntryToMemory(HTKZIP hZip, int index, void* buffer, DWORD length) {
  DWORD result = CheckHandle(hZip);
  if (result != TK_ZIP_OK) return Keep(result);
  return Keep(hZip->pReader->Unzip(index, buffer, length));
}

DWORD CloseZipArchive(HTKZIP hZip) {
  DWORD result = CheckHandle(hZip);
  if (result != TK_ZIP_OK) return Keep(result);
  result = hZip->pReader->Close();
  delete hZip->pReader;
  delete hZip;
  return Keep(result);
}
