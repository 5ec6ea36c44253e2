// The memory file through which the command bars keep their layout as one
// block of the application profile.
#pragma once

#include <afx.h>

/// A memory file that grows in steps of 1024 bytes, or works on a caller's
/// block. Its path is only a name.
class CTKZipMemFile : public CMemFile {
 public:
  CTKZipMemFile();
  /// Over the caller's block, which the file does not free.
  CTKZipMemFile(BYTE* lpBuffer, UINT nBufferSize);

  /// Works on the block from now on; with bAutoDelete the file frees it.
  void AttachBuffer(BYTE* lpBuffer, UINT nBufferSize, BOOL bAutoDelete);
  /// Reads the whole file into a block of its own; FALSE when the file cannot
  /// be opened or read.
  BOOL OpenFile(LPCSTR lpszFileName);
  /// Hands the block to the caller (who frees it with free) together with
  /// the number of bytes written so far.
  void DetachBuffer(BYTE*& lpBuffer, UINT& nCount);

  /// Stores the name; a null path raises the invalid-argument exception.
  void SetFilePath(LPCSTR lpszNewName) override;
};
