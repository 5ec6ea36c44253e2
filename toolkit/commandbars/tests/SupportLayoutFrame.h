// A site with command bars, dock bars and tool bars for saving and loading
// their states, the profile they go to (an INI file or a registry key), and a
// system that names the screen, its work area and the layout folder.
#pragma once

#include <string>
#include <vector>

#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKToolBar.h"

/// The screen and work area the test sets, and a layout folder of its own.
class CLayoutSystem : public CRecordingSystem {
 public:
  CSize m_szScreen = CSize(1280, 1024);
  CRect m_rcWorkArea = CRect(0, 0, 4000, 4000);
  std::string m_strLayoutFolder;

  CSize GetScreenSize() override { return m_szScreen; }
  CRect GetWorkAreaFromPoint(POINT) override { return m_rcWorkArea; }
  CRect GetWorkAreaFromRect(const RECT&) override { return m_rcWorkArea; }
  CString GetLayoutStorageFolder() override { return m_strLayoutFolder.c_str(); }
};

/// A site that offers the customise command, so that layouts are kept.
class CLayoutSite : public CTestSite {
 public:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
};

/// One frame: a site of 600 x 400 with command bars and their dock bars.
class CLayoutFrame {
 public:
  CLayoutFrame();
  ~CLayoutFrame();
  CLayoutFrame(const CLayoutFrame&) = delete;
  CLayoutFrame& operator=(const CLayoutFrame&) = delete;

  /// A built-in bar of `nId` with buttons `ids` (kept as its built-in controls).
  CTKToolBar* AddBar(UINT nId, int nPosition, const std::vector<int>& ids);
  /// The ids of the bar's controls, in order.
  static std::vector<int> Ids(CTKCommandBar* pBar);
  /// The bar ids of a dock bar's entries (0 for a row end).
  std::vector<UINT> Rows(int nSide) const;
  void LayOut();

  CLayoutSite m_site;
  CTKCommandBars* m_pBars;
};

/// The application profile: an INI file, or a registry key under
/// HKEY_CURRENT_USER\Software\<company> that the destructor removes.
class CTestProfile {
 public:
  CTestProfile(CWinApp* pApp, const std::string& iniPath, const char* pszCompany);
  ~CTestProfile();
  void UseRegistry(BOOL bRegistry);
  BOOL IsRegistry() const { return m_pApp->m_pszRegistryKey != nullptr; }
  /// A value as the profile answers it, or `nDefault`.
  int Int(const CString& strSection, const char* pszEntry, int nDefault = -12345) const;

 private:
  CWinApp* m_pApp;
  std::string m_iniPath;
  std::string m_company;
};
