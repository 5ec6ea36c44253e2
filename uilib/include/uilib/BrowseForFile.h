// CBrowseForFile: the common open and save dialogs of the application.
#pragma once

#include <afxwin.h>

#include <stddef.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

/// Reads the file-name buffer of an open dialog with multiple selection:
/// one string (a single file chosen) or a folder followed by names, each
/// NUL-terminated, an empty string ending the list, within `size` bytes.
/// `files` receives the full paths (owned strings) in the buffer's order;
/// the result is the file or the folder, empty for an empty buffer.
CTesselString ParseChosenFiles(const char* buffer, size_t size, CTesselList* files);

/// Copies `text` into `buffer` of `size` bytes, cut to fit and always
/// NUL-terminated; false when it had to be cut (or no buffer).
bool CopyIntoFileBuffer(const CTesselString& text, char* buffer, size_t size);

/// Wraps GetOpenFileNameA and GetSaveFileNameA (through the UI library's
/// system seam, so tests script the dialog). The caller sets the owner, the
/// folder and the file name before browsing. UI thread.
class CBrowseForFile {
 public:
  /// Characters of the file-name buffers, the terminating NUL included.
  static const int kOpenBufferSize = 32768;
  static const int kSaveBufferSize = 256;

  CBrowseForFile();
  virtual ~CBrowseForFile();

  /// The chosen path (for multiple files, their folder); empty when cancelled
  /// or without an owner, which shows nothing. `filter` is pairs of NUL-ended
  /// description and pattern, ending with an extra NUL.
  CTesselString BrowseForOpenFile(const char* filter, int filterLength, bool multiSelect);
  /// The path as typed (no extension added); empty when cancelled or without owner.
  CTesselString BrowseForSaveFile(const char* filter, int filterLength, CTesselString* title,
                                  bool overwritePrompt);
  void SetChosenPath(const CTesselString& path) { m_chosenPath = path; }
  const CTesselString& GetChosenPath() const { return m_chosenPath; }
  /// Full paths of the files of the last open dialog (owned strings).
  CTesselList& GetChosenFiles() { return m_chosenFiles; }

  CWnd* m_pOwner;
  CTesselString m_initialFolder;
  /// Longer names than the buffer holds are cut to fit.
  CTesselString m_initialFileName;

 private:
  CTesselString m_chosenPath;
  CTesselList m_chosenFiles;
};
