// The exception classes of the layer. They are thrown as pointers to heap
// objects; the handler that swallows one calls Delete on it.
#pragma once

#include "afxobject.h"
#include "afxstr.h"

/// Shows a message the way the application shows all its messages; replaceable
/// (tests, and the application object once it exists). Returns the button id.
typedef int(AFXAPI* AFX_MESSAGEBOX_PROC)(LPCSTR lpszText, UINT nType, UINT nIDHelp);
/// Installs `pfn` (null: MessageBoxA) and returns the previous handler.
AFX_MESSAGEBOX_PROC AFXAPI AfxSetMessageBoxProc(AFX_MESSAGEBOX_PROC pfn);
int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

/// Base of all exceptions. Heap-allocated ones delete themselves in Delete;
/// one made on the stack must be constructed with bAutoDelete FALSE.
class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
  void Delete();
  /// Copies the text into `lpszError` (truncated to nMaxError-1); FALSE when none.
  virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
  /// Shows the error text (or string `nMessageID` when there is none) in a message box.
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

  BOOL m_bAutoDelete;
};

/// An exception whose text is a fixed message of its class. A plain
/// CSimpleException, and a subclass that names no message, has none: its
/// GetErrorMessage answers FALSE with an empty text.
class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)
 public:
  explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

 protected:
  /// The class's message; null for none.
  virtual LPCSTR DefaultMessage() const { return NULL; }
};

class CMemoryException : public CSimpleException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  using CSimpleException::CSimpleException;

 protected:
  LPCSTR DefaultMessage() const override { return "Out of memory."; }
};

class CResourceException : public CSimpleException {
  DECLARE_DYNAMIC(CResourceException)
 public:
  using CSimpleException::CSimpleException;

 protected:
  LPCSTR DefaultMessage() const override { return "A required resource was unavailable."; }
};

class CNotSupportedException : public CSimpleException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  using CSimpleException::CSimpleException;

 protected:
  LPCSTR DefaultMessage() const override { return "An unsupported operation was attempted."; }
};

class CInvalidArgException : public CSimpleException {
  DECLARE_DYNAMIC(CInvalidArgException)
 public:
  using CSimpleException::CSimpleException;

 protected:
  LPCSTR DefaultMessage() const override { return "Encountered an improper argument."; }
};

/// A failed file operation: the cause, the system error code and the file.
class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)
 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };
  explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL)
      : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

  /// The cause that matches a Win32 error code.
  static int PASCAL OsErrorToException(LONG lOsError);
  static int PASCAL ErrnoToException(int nErrno);
  static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = NULL);
  static void PASCAL ThrowErrno(int nErrno, LPCSTR lpszFileName = NULL);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

/// A failed archive operation.
class CArchiveException : public CException {
  DECLARE_DYNAMIC(CArchiveException)
 public:
  enum {
    none,
    genericException,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema,
    bufferFull
  };
  explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = NULL)
      : m_cause(cause), m_strFileName(lpszArchiveName) {}
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                               LPCSTR lpszFileName = NULL);
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);

// The handler macros delete the caught exception when the handler ends,
// unless THROW_LAST passes it on.
struct AfxCatchGuard {
  explicit AfxCatchGuard(CException* e) : m_e(e) {}
  ~AfxCatchGuard() {
    if (m_e) m_e->Delete();
  }
  void Release() { m_e = nullptr; }
  CException* m_e;
};
#define TRY try
#define CATCH(class_name, e) \
  catch (class_name * e) {   \
    AfxCatchGuard _afxCatchGuard(e);
#define AND_CATCH(class_name, e) \
  }                              \
  catch (class_name * e) {       \
    AfxCatchGuard _afxCatchGuard(e);
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST() (_afxCatchGuard.Release(), throw)
