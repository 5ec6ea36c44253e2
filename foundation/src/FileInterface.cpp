#include "foundation/FileInterface.h"

#include <string.h>

#include "foundation/FileUtilities.h"
#include "foundation/TextConversion.h"

CFileInterface::CFileInterface()
    : m_handle(INVALID_HANDLE_VALUE), m_bytesRead(0), m_bytesWritten(0), m_lastError(0) {}

CFileInterface::~CFileInterface() { Close(); }

bool CFileInterface::Open(const CTesselString& path, DWORD access, DWORD shareMode,
                          DWORD disposition) {
  Close();
  if (path.GetLength() < 1) return false;
  m_path = path;
  // Wide, so that a path outside the ANSI code page opens its own file.
  m_handle = CreateFileW(WideFromTessel(m_path).c_str(), access, shareMode, nullptr, disposition, 0,
                         nullptr);
  m_lastError = ::GetLastError();
  if (m_handle == INVALID_HANDLE_VALUE) return false;
  return SeekToStart();
}

bool CFileInterface::OpenForReading(const CTesselString& path) {
  return Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

bool CFileInterface::CreateForWriting(const CTesselString& path) {
  CreateFolderFor(path);
  return Open(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

bool CFileInterface::Close() {
  bool closed = false;
  if (m_handle != INVALID_HANDLE_VALUE) {
    closed = CloseHandle(m_handle) != FALSE;
    m_handle = INVALID_HANDLE_VALUE;
  }
  m_bytesRead = 0;
  m_bytesWritten = 0;
  m_lastError = 0;
  return closed;
}

bool CFileInterface::Read(void* buffer, int count, int* bytesRead, bool exact) {
  if (buffer == nullptr || count <= 0 || !IsOpen()) return false;
  DWORD n = 0;
  const BOOL ok = ReadFile(m_handle, buffer, (DWORD)count, &n, nullptr);
  m_lastError = ::GetLastError();
  if (!ok) return false;
  m_bytesRead += n;
  if (bytesRead) *bytesRead = (int)n;
  return exact ? n == (DWORD)count : n > 0;
}

bool CFileInterface::Write(const void* buffer, int count, int* bytesWritten) {
  if (buffer == nullptr || count <= 0 || !IsOpen()) return false;
  DWORD n = 0;
  const BOOL ok = WriteFile(m_handle, buffer, (DWORD)count, &n, nullptr);
  m_lastError = ::GetLastError();
  if (!ok) return false;
  m_bytesWritten += n;
  if (bytesWritten) *bytesWritten = (int)n;
  return n == (DWORD)count;
}

bool CFileInterface::Seek(DWORD method) {
  if (!IsOpen()) return false;
  LARGE_INTEGER zero;
  zero.QuadPart = 0;
  const BOOL ok = SetFilePointerEx(m_handle, zero, nullptr, method);
  m_lastError = ::GetLastError();
  return ok != FALSE;
}

bool CFileInterface::SeekToStart() { return Seek(FILE_BEGIN); }

bool CFileInterface::SeekToEnd() { return Seek(FILE_END); }

uint64_t CFileInterface::GetSize() {
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(m_handle, &size)) return 0;
  return (uint64_t)size.QuadPart;
}

bool CFileInterface::CreateFolderFor(const CTesselString& path) {
  if (path.GetLength() < 1) return false;
  // Drive and directory as the path gives them, trailing separator kept.
  const std::wstring text = WideFromTessel(path);
  size_t cut = std::wstring::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' || text[i] == L'/' || (text[i] == L':' && i == 1)) cut = i;
  }
  const CTesselString folder =
      cut == std::wstring::npos ? CTesselString() : TesselFromWide(text.substr(0, cut));
  if (PathExists(folder)) return false;
  return CreateFolderPath(folder);
}
