// Files: CFile over a Win32 handle, CMemFile over a memory block and
// CStdioFile over a run-time stream with text lines.
#pragma once

#include "afxexcept.h"
#include <stdio.h>

/// A file opened through CreateFile. Failures throw CFileException*, except
/// Open, which reports them through its result and optional exception object.
class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
 public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
    osNoBuffer = 0x10000,
    osWriteThrough = 0x20000,
    osRandomAccess = 0x40000,
    osSequentialScan = 0x80000
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };
  static const HANDLE hFileNull;

  CFile();
  explicit CFile(HANDLE hFile);
  /// Opens or throws CFileException*.
  CFile(LPCSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  /// FALSE on failure; `pError` (when given) receives the cause, error code and name.
  virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
  virtual void Close();
  /// Closes without throwing.
  virtual void Abort();
  /// Returns the number of bytes read (less than asked at the end of the file).
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual ULONGLONG GetPosition() const;
  virtual void Flush();

  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual CString GetFilePath() const { return m_strFileName; }
  virtual void SetFilePath(LPCSTR lpszNewName);

  static void PASCAL Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
  static void PASCAL Remove(LPCSTR lpszFileName);

  operator HANDLE() const { return m_hFile; }

  HANDLE m_hFile;

 protected:
  BOOL m_bCloseOnDelete;
  CString m_strFileName;
};

/// A file in a memory block. Owned blocks grow by nGrowBytes; an attached
/// block with a growth of 0 is read in place and cannot grow.
class CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)
 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  ~CMemFile() override;

  /// With nGrowBytes 0 the file holds the block's nBufferSize bytes; otherwise
  /// it starts empty and the block is reallocated as it grows.
  void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  /// Hands the block to the caller and leaves the file empty.
  BYTE* Detach();

  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
  void Close() override;
  void Abort() override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetLength() const override { return m_nFileSize; }
  void SetLength(ULONGLONG dwNewLen) override;
  ULONGLONG GetPosition() const override { return m_nPosition; }
  void Flush() override {}

 protected:
  virtual BYTE* Alloc(SIZE_T nBytes);
  virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
  virtual void Free(BYTE* lpMem);
  virtual void GrowFile(SIZE_T dwNewLen);

  UINT m_nGrowBytes;
  SIZE_T m_nPosition;
  SIZE_T m_nBufferSize;
  SIZE_T m_nFileSize;
  BYTE* m_lpBuffer;
  BOOL m_bAutoDelete;
};

/// A file read and written through a run-time stream, in text mode unless
/// typeBinary is given (then "\r\n" in the file is "\n" in the program).
class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)
 public:
  CStdioFile();
  explicit CStdioFile(FILE* pOpenStream);
  CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
  ~CStdioFile() override;

  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
  void Close() override;
  void Abort() override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetLength() const override;
  ULONGLONG GetPosition() const override;
  void Flush() override;

  /// Writes the text as it is (no newline is added).
  virtual void WriteString(LPCSTR lpsz);
  /// Reads up to nMax-1 characters or through the newline, which is kept;
  /// null at the end of the file.
  virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
  /// Reads one line without its newline; FALSE at the end of the file.
  virtual BOOL ReadString(CString& rString);

  FILE* m_pStream;
};
