// The HTTPS download: one GET into a local file through WinINet.
#include <string.h>

#include <vector>

#include "foundation/FileInterface.h"
#include "uilib/UILibSystem.h"
#include "uilib/UIUtilities.h"

namespace {

/// One read takes up to this much of the body.
const DWORD kReadBlockSize = 20480000;
const DWORD kTimeoutMs = 30000;
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_EXISTING_CONNECT |
                            INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_SECURE |
                            INTERNET_FLAG_PRAGMA_NOCACHE;

/// A WinINet handle closed through the seam when it goes.
class CInternetHandle {
 public:
  explicit CInternetHandle(HINTERNET h) : m_h(h) {}
  ~CInternetHandle() {
    if (m_h != NULL) UILibSystem()->InternetCloseHandle(m_h);
  }
  CInternetHandle(const CInternetHandle&) = delete;
  CInternetHandle& operator=(const CInternetHandle&) = delete;
  HINTERNET Get() const { return m_h; }

 private:
  HINTERNET m_h;
};

bool IsEmpty(const char* psz) { return psz == nullptr || *psz == 0; }

/// Reads the body into the file, made at the first block. False when a read
/// or a write fails or the body ends short of `nAnnounced` (when the server
/// announced a length); the file may then hold part of the body.
bool SaveBody(HINTERNET hRequest, const char* pszLocalPath, bool bLengthKnown, DWORD nAnnounced,
              CFileInterface& file) {
  std::vector<char> buffer(kReadBlockSize);
  uint64_t nTotal = 0;
  for (;;) {
    DWORD nRead = 0;
    if (!UILibSystem()->InternetReadFile(hRequest, buffer.data(), kReadBlockSize, &nRead))
      return false;
    if (nRead == 0) break;
    if (!file.IsOpen() && !file.CreateForWriting(CTesselString(pszLocalPath))) return false;
    if (!file.SeekToEnd() || !file.Write(buffer.data(), static_cast<int>(nRead), nullptr))
      return false;
    nTotal += nRead;
  }
  return nTotal > 0 && (!bLengthKnown || nTotal >= nAnnounced);
}

}  // namespace

bool AddHttpRequestHeader(HINTERNET hRequest, const char* pszHeader) {
  if (hRequest == NULL || IsEmpty(pszHeader)) return false;
  std::string line = pszHeader;
  if (line.find_first_of("\r\n") == std::string::npos) line += "\r\n";
  return UILibSystem()->HttpAddRequestHeaders(hRequest, line.c_str(),
                                              HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE) !=
         FALSE;
}

bool DownloadFileFromServer(const char* pszServer, const char* pszObject,
                            const char* pszLocalPath) {
  if (IsEmpty(pszServer) || IsEmpty(pszObject) || IsEmpty(pszLocalPath)) return false;
  CUILibSystem* pSystem = UILibSystem();
  CInternetHandle internet(pSystem->InternetOpen("Download", INTERNET_OPEN_TYPE_PRECONFIG, 0));
  if (internet.Get() == NULL) return false;
  CInternetHandle connection(pSystem->InternetConnect(
      internet.Get(), pszServer, INTERNET_DEFAULT_HTTPS_PORT, INTERNET_SERVICE_HTTP, 0));
  if (connection.Get() == NULL) return false;
  CInternetHandle request(pSystem->HttpOpenRequest(connection.Get(), "GET", pszObject,
                                                   kRequestFlags));
  if (request.Get() == NULL) return false;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT})
    pSystem->InternetSetOption(request.Get(), option, kTimeoutMs);
  AddHttpRequestHeader(request.Get(), "Accept-Language: en");
  AddHttpRequestHeader(request.Get(), "Connection: Keep-Alive");
  if (!pSystem->HttpSendRequest(request.Get())) return false;

  // An error page is not the file asked for.
  DWORD nStatus = 0;
  if (!pSystem->HttpQueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE, &nStatus) ||
      nStatus != HTTP_STATUS_OK)
    return false;
  DWORD nAnnounced = 0;
  const bool bLengthKnown =
      pSystem->HttpQueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH, &nAnnounced) != FALSE;

  CFileInterface file;
  const bool bSaved = SaveBody(request.Get(), pszLocalPath, bLengthKnown, nAnnounced, file);
  const bool bMadeFile = file.IsOpen();
  file.Close();
  // A part of an installer is worse than none: it would be started as whole.
  if (!bSaved && bMadeFile) ::DeleteFileA(pszLocalPath);
  return bSaved;
}
