// The memory block that minizip reads an archive from.
#include "common/TKZipArchive.h"

#include <stdlib.h>
#include <string.h>

TK_ZIPMEMORYINPUT* ZipFileOpen(const void* data, DWORD size) {
  TK_ZIPMEMORYINPUT* pInput = static_cast<TK_ZIPMEMORYINPUT*>(calloc(1, sizeof(TK_ZIPMEMORYINPUT)));
  if (pInput == NULL) return NULL;
  pInput->pBase = static_cast<const BYTE*>(data);
  pInput->dwSize = data != NULL ? size : 0;
  return pInput;
}

DWORD ZipFileRead(TK_ZIPMEMORYINPUT* pInput, void* buffer, DWORD itemSize, DWORD count) {
  if (pInput == NULL || itemSize == 0 || pInput->nPosition >= (LONGLONG)pInput->dwSize) return 0;
  ULONGLONG wanted = (ULONGLONG)itemSize * count;
  ULONGLONG left = pInput->dwSize - pInput->nPosition;
  ULONGLONG copied = wanted < left ? wanted : left;
  memcpy(buffer, pInput->pBase + pInput->nPosition, (size_t)copied);
  pInput->nPosition += copied;
  return (DWORD)(copied / itemSize);
}

int ZipFileSeek(TK_ZIPMEMORYINPUT* pInput, LONGLONG offset, int origin) {
  if (pInput == NULL) return -1;
  LONGLONG position;
  switch (origin) {
    case 0:
      position = offset;
      break;
    case 1:
      position = pInput->nPosition + offset;
      break;
    case 2:
      position = (LONGLONG)pInput->dwSize + offset;
      break;
    default:
      return 0;
  }
  if (position < 0) return -1;
  pInput->nPosition = position;
  return 0;
}

LONGLONG ZipFileTell(TK_ZIPMEMORYINPUT* pInput) { return pInput != NULL ? pInput->nPosition : -1; }

int ZipFileError(TK_ZIPMEMORYINPUT*) { return 0; }

int ZipFileClose(TK_ZIPMEMORYINPUT* pInput) {
  if (pInput == NULL) return -1;
  free(pInput);
  return 0;
}
