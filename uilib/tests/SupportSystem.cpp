#include "SupportSystem.h"

#include <string.h>

#include <algorithm>

namespace {

// The handles the scripted server gives out.
HINTERNET const kInternet = reinterpret_cast<HINTERNET>(1);
HINTERNET const kConnection = reinterpret_cast<HINTERNET>(2);
HINTERNET const kRequest = reinterpret_cast<HINTERNET>(3);

}  // namespace

BOOL CScriptedSystem::GetCursorPos(LPPOINT lpPoint) {
  *lpPoint = m_ptCursor;
  return TRUE;
}

BOOL CScriptedSystem::SetCursorPos(int x, int y) {
  m_ptCursor = POINT{x, y};
  m_cursorMoves.push_back(m_ptCursor);
  return TRUE;
}

BOOL CScriptedSystem::ShellExecuteEx(SHELLEXECUTEINFOA* pInfo) {
  m_shellCalls.push_back(*pInfo);
  return TRUE;
}

HWND CScriptedSystem::HtmlHelp(LPCSTR /*lpszFile*/, UINT uCommand, DWORD_PTR dwData) {
  m_helpCalls.emplace_back(uCommand, dwData);
  return m_hHelpWindow;
}

LPMAPISENDMAIL CScriptedSystem::LoadMapiSendMail(CTKScopedModule* /*pModule*/) {
  return m_pfnSendMail;
}

HINTERNET CScriptedSystem::InternetOpen(LPCSTR lpszAgent, DWORD dwAccessType, DWORD dwFlags) {
  m_calls.push_back("open " + std::string(lpszAgent) + " " + std::to_string(dwAccessType) + " " +
                    std::to_string(dwFlags));
  return kInternet;
}

HINTERNET CScriptedSystem::InternetConnect(HINTERNET /*hInternet*/, LPCSTR lpszServer,
                                           INTERNET_PORT nPort, DWORD /*dwService*/,
                                           DWORD /*dwFlags*/) {
  m_calls.push_back("connect " + std::string(lpszServer) + ":" + std::to_string(nPort));
  return kConnection;
}

HINTERNET CScriptedSystem::HttpOpenRequest(HINTERNET /*hConnect*/, LPCSTR lpszVerb,
                                           LPCSTR lpszObject, DWORD dwFlags) {
  char flags[16];
  sprintf(flags, "%08lX", dwFlags);
  m_calls.push_back("request " + std::string(lpszVerb) + " " + lpszObject + " " + flags);
  return kRequest;
}

BOOL CScriptedSystem::InternetSetOption(HINTERNET /*hInternet*/, DWORD dwOption, DWORD dwValue) {
  m_calls.push_back("option " + std::to_string(dwOption) + "=" + std::to_string(dwValue));
  return TRUE;
}

BOOL CScriptedSystem::HttpAddRequestHeaders(HINTERNET /*hRequest*/, LPCSTR lpszHeaders,
                                            DWORD /*dwModifiers*/) {
  m_calls.push_back("header " + std::string(lpszHeaders));
  return TRUE;
}

BOOL CScriptedSystem::HttpSendRequest(HINTERNET /*hRequest*/) {
  m_calls.push_back("send");
  return TRUE;
}

BOOL CScriptedSystem::HttpQueryNumber(HINTERNET /*hRequest*/, DWORD dwInfoLevel,
                                      DWORD* pdwValue) {
  if (dwInfoLevel == HTTP_QUERY_STATUS_CODE) {
    *pdwValue = m_nStatus;
    return TRUE;
  }
  if (dwInfoLevel == HTTP_QUERY_CONTENT_LENGTH && m_nContentLength >= 0) {
    *pdwValue = static_cast<DWORD>(m_nContentLength);
    return TRUE;
  }
  return FALSE;
}

BOOL CScriptedSystem::InternetReadFile(HINTERNET /*hFile*/, LPVOID lpBuffer, DWORD dwToRead,
                                       DWORD* pdwRead) {
  m_calls.push_back("read");
  if (m_nFailAfter >= 0 && m_nBodyRead >= static_cast<size_t>(m_nFailAfter)) return FALSE;
  const size_t n = std::min({m_nBlockSize, m_body.size() - m_nBodyRead, size_t(dwToRead)});
  memcpy(lpBuffer, m_body.data() + m_nBodyRead, n);
  m_nBodyRead += n;
  *pdwRead = static_cast<DWORD>(n);
  return TRUE;
}

BOOL CScriptedSystem::InternetCloseHandle(HINTERNET hInternet) {
  m_calls.push_back("close " + std::to_string(reinterpret_cast<UINT_PTR>(hInternet)));
  return TRUE;
}

BOOL CScriptedSystem::AnswerDialog(OPENFILENAMEA* pInfo) {
  m_dialogCalls.push_back(*pInfo);
  m_dialogBuffers.push_back(std::string(pInfo->lpstrFile, strnlen(pInfo->lpstrFile, pInfo->nMaxFile)));
  if (!m_bDialogResult) return FALSE;
  const size_t n = std::min(m_dialogAnswer.size(), size_t(pInfo->nMaxFile));
  memcpy(pInfo->lpstrFile, m_dialogAnswer.data(), n);
  return TRUE;
}
