// One binary file through a Win32 handle, with byte counters and the last
// system error, for the build file and downloads.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "foundation/TesselString.h"

/// Reads and writes one file. Nothing throws: every failure is a false (or 0)
/// result with the system's error code kept in GetLastError. Owns its handle
/// and closes it on destruction. One thread at a time.
class CFileInterface {
 public:
  CFileInterface();
  virtual ~CFileInterface();

  /// Closes any open file, then opens `path` (narrow or wide) with CreateFileW and the given
  /// access, share mode and creation disposition, positioned at the start.
  /// An empty path fails without touching the file system (the remembered
  /// path then stays as it was).
  bool Open(const CTesselString& path, DWORD access, DWORD shareMode, DWORD disposition);

  /// Opens an existing file for reading, shared with other readers.
  bool OpenForReading(const CTesselString& path);

  /// Creates the file's missing folders, then creates or truncates the file
  /// for reading and writing without sharing.
  bool CreateForWriting(const CTesselString& path);

  /// True when an open handle was closed; clears counters and last error.
  bool Close();

  /// Reads up to `count` bytes. With `exact` the result is true only when all
  /// of them came; otherwise when at least one did. The number read goes to
  /// `bytesRead` (may be null) whenever ReadFile succeeds, also for a short
  /// exact read. False for a null buffer, count <= 0 or a closed file.
  bool Read(void* buffer, int count, int* bytesRead, bool exact);

  /// Writes `count` bytes; true only when all were written. The number written
  /// goes to `bytesWritten` (may be null) whenever WriteFile succeeds.
  bool Write(const void* buffer, int count, int* bytesWritten);

  /// Moves to the start / the end; false when closed or on failure.
  bool SeekToStart();
  bool SeekToEnd();

  /// The file's size; 0 when closed or on failure.
  uint64_t GetSize();

  /// Creates the folder of the file path `path` when it is missing. False
  /// for an empty path, when the folder already exists, or when nothing
  /// could be created.
  bool CreateFolderFor(const CTesselString& path);

  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  uint64_t GetBytesRead() const { return m_bytesRead; }
  uint64_t GetBytesWritten() const { return m_bytesWritten; }
  /// The path of the last open with a non-empty path.
  const CTesselString& GetPath() const { return m_path; }
  /// GetLastError after the last open, read, write or seek; 0 after Close.
  DWORD GetLastError() const { return m_lastError; }

 private:
  CFileInterface(const CFileInterface&) = delete;
  CFileInterface& operator=(const CFileInterface&) = delete;

  bool Seek(DWORD method);

  HANDLE m_handle;
  uint64_t m_bytesRead;
  uint64_t m_bytesWritten;
  CTesselString m_path;
  DWORD m_lastError;
};
