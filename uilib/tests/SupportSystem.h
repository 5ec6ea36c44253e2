// A system for the UI library's tests: a scripted cursor and desktop, a help
// window and a mail entry of the test's choosing, a server that answers
// from a script and a desktop window manager's answer, recording what was
// asked of each.
#pragma once

#include <string>
#include <vector>

#include "uilib/UILibSystem.h"

class CScriptedSystem : public CUILibSystem {
 public:
  /// Installs itself; the real system comes back when it goes.
  CScriptedSystem() { UILibSetSystem(this); }
  ~CScriptedSystem() override { UILibSetSystem(nullptr); }

  // The cursor: where GetCursorPos answers, and every SetCursorPos.
  POINT m_ptCursor = {0, 0};
  std::vector<POINT> m_cursorMoves;
  BOOL GetCursorPos(LPPOINT lpPoint) override;
  BOOL SetCursorPos(int x, int y) override;

  // The desktop, the shell and help.
  SIZE m_desktop = {1280, 1024};
  SIZE GetDesktopClientSize() override { return m_desktop; }
  std::vector<SHELLEXECUTEINFOA> m_shellCalls;
  BOOL ShellExecuteEx(SHELLEXECUTEINFOA* pInfo) override;
  /// The window HtmlHelp answers; (command, data) of each call.
  HWND m_hHelpWindow = NULL;
  std::vector<std::pair<UINT, DWORD_PTR>> m_helpCalls;
  HWND HtmlHelp(LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData) override;
  /// The MAPISendMail entry answered; null as on a machine without MAPI.
  LPMAPISENDMAIL m_pfnSendMail = nullptr;
  LPMAPISENDMAIL LoadMapiSendMail(CTKScopedModule* pModule) override;

  // The server: every call is recorded by name in m_calls ("open", "connect
  // <server>:<port>", "request <verb> <object> <flags>", "option <n>=<v>",
  // "header <line>", "send", "read", "close <handle>").
  std::vector<std::string> m_calls;
  DWORD m_nStatus = 200;
  /// Length announced; none when negative.
  long long m_nContentLength = -1;
  /// The body, handed out in blocks of at most m_nBlockSize.
  std::string m_body;
  size_t m_nBlockSize = 4;
  /// After this many bytes the next read fails; never when negative.
  long long m_nFailAfter = -1;
  size_t m_nBodyRead = 0;

  HINTERNET InternetOpen(LPCSTR lpszAgent, DWORD dwAccessType, DWORD dwFlags) override;
  HINTERNET InternetConnect(HINTERNET hInternet, LPCSTR lpszServer, INTERNET_PORT nPort,
                            DWORD dwService, DWORD dwFlags) override;
  HINTERNET HttpOpenRequest(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObject,
                            DWORD dwFlags) override;
  BOOL InternetSetOption(HINTERNET hInternet, DWORD dwOption, DWORD dwValue) override;
  BOOL HttpAddRequestHeaders(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwModifiers) override;
  BOOL HttpSendRequest(HINTERNET hRequest) override;
  BOOL HttpQueryNumber(HINTERNET hRequest, DWORD dwInfoLevel, DWORD* pdwValue) override;
  BOOL InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwToRead,
                        DWORD* pdwRead) override;
  BOOL InternetCloseHandle(HINTERNET hInternet) override;

  // The desktop window manager: its answer, and the windows asked about.
  DwmFrameBoundsAnswer m_dwmAnswer = kDwmLibraryMissing;
  std::vector<HWND> m_dwmQueries;
  DwmFrameBoundsAnswer QueryDwmFrameBounds(HWND hWnd) override {
    m_dwmQueries.push_back(hWnd);
    return m_dwmAnswer;
  }
  // The file dialogs: each call's OPENFILENAMEA and the file-name buffer as
  // it came in; the answer writes m_dialogAnswer (NULs included) into the
  // buffer, cut to nMaxFile, and returns m_bDialogResult.
  std::vector<OPENFILENAMEA> m_dialogCalls;
  std::vector<std::string> m_dialogBuffers;
  std::string m_dialogAnswer;
  BOOL m_bDialogResult = FALSE;
  BOOL GetOpenFileName(OPENFILENAMEA* pInfo) override { return AnswerDialog(pInfo); }
  BOOL GetSaveFileName(OPENFILENAMEA* pInfo) override { return AnswerDialog(pInfo); }
  BOOL AnswerDialog(OPENFILENAMEA* pInfo);
};
