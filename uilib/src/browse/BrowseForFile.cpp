// CBrowseForFile: the common open and save dialogs, and their buffers.
#include "uilib/BrowseForFile.h"

#include <commdlg.h>
#include <string.h>

#include <vector>

#include "uilib/UILibSystem.h"

CTesselString ParseChosenFiles(const char* buffer, size_t size, CTesselList* files) {
  if (!files->HasElementType()) files->SetElementTypeString();
  if (buffer == nullptr || size == 0) return CTesselString();
  const size_t firstLength = strnlen(buffer, size);
  CTesselString first;
  first.SetText(std::string(buffer, firstLength).c_str());
  size_t at = firstLength + 1;
  if (at >= size || buffer[at] == '\0') {
    // One file: the buffer holds its full path alone.
    if (!first.IsEmpty()) files->AddCopy(&first);
    return first;
  }
  CTesselString folder = first;
  folder.AddTrailingBackslash();
  while (at < size && buffer[at] != '\0') {
    const size_t length = strnlen(buffer + at, size - at);
    CTesselString path = folder;
    path.AddText(std::string(buffer + at, length).c_str());
    files->AddCopy(&path);
    at += length + 1;
  }
  return first;
}

bool CopyIntoFileBuffer(const CTesselString& text, char* buffer, size_t size) {
  if (buffer == nullptr || size == 0) return false;
  CTesselString narrow(text);
  const char* source = narrow.GetText();
  const size_t length = strlen(source);
  const size_t copied = length < size ? length : size - 1;
  memcpy(buffer, source, copied);
  buffer[copied] = '\0';
  return copied == length;
}

CBrowseForFile::CBrowseForFile() : m_pOwner(nullptr) { m_chosenFiles.SetElementTypeString(); }

CBrowseForFile::~CBrowseForFile() { m_chosenFiles.DeleteAll(); }

namespace {

OPENFILENAMEA MakeDialogInfo(CWnd* owner, const char* filter, int filterLength, char* buffer,
                             DWORD bufferSize, CTesselString& folder) {
  OPENFILENAMEA info = {};
  info.lStructSize = sizeof(info);
  info.hwndOwner = owner->GetSafeHwnd();
  info.lpstrFilter = filter;
  info.nMaxCustFilter = static_cast<DWORD>(filterLength);
  info.lpstrFile = buffer;
  info.nMaxFile = bufferSize;
  info.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.GetText();
  return info;
}

}  // namespace

CTesselString CBrowseForFile::BrowseForOpenFile(const char* filter, int filterLength, bool multiSelect) {
  if (m_pOwner == nullptr) return CTesselString();
  std::vector<char> buffer(kOpenBufferSize, '\0');
  CopyIntoFileBuffer(m_initialFileName, buffer.data(), buffer.size() - 1);
  OPENFILENAMEA info = MakeDialogInfo(m_pOwner, filter, filterLength, buffer.data(),
                                      kOpenBufferSize - 1, m_initialFolder);
  info.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (multiSelect) info.Flags |= OFN_ALLOWMULTISELECT;
  m_chosenFiles.DeleteAll();
  if (!UILibSystem()->GetOpenFileName(&info)) return CTesselString();
  // The last byte stays NUL, so the list always ends inside the buffer.
  const CTesselString result = ParseChosenFiles(buffer.data(), buffer.size(), &m_chosenFiles);
  if (!multiSelect || m_chosenFiles.GetCount() <= 1) m_chosenPath = result;
  return result;
}

CTesselString CBrowseForFile::BrowseForSaveFile(const char* filter, int filterLength, CTesselString* title,
                                                bool overwritePrompt) {
  if (m_pOwner == nullptr) return CTesselString();
  char buffer[kSaveBufferSize] = "";
  CopyIntoFileBuffer(m_initialFileName, buffer, sizeof(buffer));
  OPENFILENAMEA info = MakeDialogInfo(m_pOwner, filter, filterLength, buffer, kSaveBufferSize, m_initialFolder);
  info.lpstrTitle = title != nullptr ? title->GetText() : nullptr;
  info.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
  if (overwritePrompt) info.Flags |= OFN_OVERWRITEPROMPT;
  if (!UILibSystem()->GetSaveFileName(&info)) return CTesselString();
  buffer[kSaveBufferSize - 1] = '\0';
  m_chosenPath = buffer;
  return m_chosenPath;
}
