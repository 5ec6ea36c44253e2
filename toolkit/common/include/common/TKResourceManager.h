// The one place where the toolkit loads its own resources, and the language
// whose code page converts text between UTF-16 and narrow strings.
#pragma once

#include "afxwin.h"
#include "afxext.h"
#include "afxtls.h"

/// One resource language: its code page (0: the system's ANSI code page),
/// names and the character set of fonts for it.
struct TK_LANGUAGE_INFO {
  WORD wLanguage;
  UINT nCodePage;
  LPCSTR lpszEncoding;
  LPCSTR lpszCaption;
  LPCSTR lpszLang;
  LPCSTR lpszSubLang;
  BYTE nFontCharSet;
};

/// Loads strings, menus, tool bars, bitmaps, cursors, dialog templates, HTML
/// pages and icons through the class layer's resource search. Every load
/// returns 0 or null when the resource is missing.
class CTKResourceManager : public CNoTrackObject {
 public:
  /// English (United States) selected; the font character set read from the
  /// icon-title font.
  CTKResourceManager();
  ~CTKResourceManager() override;

  /// A new string; `pbError` (when given) tells whether the load failed.
  virtual CString LoadString(UINT nID, BOOL* pbError = NULL);
  virtual BOOL LoadStringInto(CString& str, UINT nID);
  virtual BOOL LoadMenu(CMenu* pMenu, UINT nID);
  virtual BOOL LoadToolBar(CToolBar* pToolBar, UINT nID);
  virtual BOOL LoadBitmap(CBitmap* pBitmap, LPCTSTR lpszResourceName);
  virtual BOOL LoadBitmapById(CBitmap* pBitmap, UINT nID);
  virtual HCURSOR LoadCursor(UINT nID);
  /// The locked template; null for id 0 or a missing one.
  virtual LPCDLGTEMPLATE LoadDialogTemplate(UINT nID);
  /// The executable's own template first, else the one of the resource module.
  virtual HGLOBAL LoadDialogResource(LPCTSTR lpszName);
  /// The page's bytes up to its first zero byte; TRUE when it is not empty.
  virtual BOOL LoadHTML(CString* pText, LPCTSTR lpszName);
  virtual BOOL LoadHTMLById(CString* pText, UINT nID);
  virtual HICON LoadIconById(UINT nID, int cx, int cy);
  virtual HICON LoadIcon(LPCTSTR lpszName, int cx, int cy);
  /// The icon of the group `lpszName` of `hModule` that best fits the size.
  virtual HICON CreateIconFromResource(HMODULE hModule, LPCTSTR lpszName, int cx, int cy);
  /// Frees the manager's own resource module, when it holds one.
  virtual void FreeResourceModule();
  virtual LANGID GetLanguage() const;
  /// Selects the language of the executable's resources.
  virtual void DetectResourceLanguage();

  /// Selects `wLanguage`, or English (United States) when the table lacks it.
  void SetLanguageInfo(LANGID wLanguage);
  const TK_LANGUAGE_INFO* GetLanguageInfo() const { return m_pLanguageInfo; }
  BYTE GetFontCharSet() const { return m_nFontCharSet; }
  /// AfxMessageBox, right-to-left reading for Hebrew and Arabic.
  int ShowMessageBox(LPCTSTR lpszText, UINT nType = MB_OK);
  /// The text of a menu item, read as UTF-16 and converted to the selected
  /// code page; its length (0 or less: the string is emptied).
  int GetMenuString(CMenu* pMenu, UINT nIDItem, CString& rString, UINT nFlags);
  /// String `nID` of `hModule`'s string table in the selected code page; the
  /// number of bytes, 0 when missing or empty.
  int LoadStringFromModule(HMODULE hModule, UINT nID, CString& rString);

 protected:
  HMODULE m_hResourceFile = nullptr;
  const TK_LANGUAGE_INFO* m_pLanguageInfo;
  BYTE m_nFontCharSet;
};

/// The process-wide manager, made on first use.
CTKResourceManager* AFXAPI TKResourceManager();

/// The table's entry for a language, or null.
const TK_LANGUAGE_INFO* AFXAPI LookupLanguageInfo(LANGID wLanguage);
/// The first language of the module's resources other than 0 and 1033; 1033
/// when all are 1033; 0 when none has a language.
LANGID AFXAPI DetectModuleLanguage(HMODULE hModule);

/// One text converted in the selected code page; the buffer lives as long as
/// the object (or until the next conversion).
class CTKCodePageString {
 public:
  CTKCodePageString() = default;
  ~CTKCodePageString() { delete[] m_pBuffer; }
  CTKCodePageString(const CTKCodePageString&) = delete;
  CTKCodePageString& operator=(const CTKCodePageString&) = delete;

  LPCSTR FromWide(LPCWSTR lpszText);
  LPCWSTR FromNarrow(LPCSTR lpszText);

 private:
  BYTE* m_pBuffer = nullptr;
};

/// At most `nCount` characters of `lpszSource`; `lpszDest` holds nCount + 1.
void AFXAPI ConvertAnsiToWide(LPWSTR lpszDest, LPCSTR lpszSource, int nCount);

// Resources by name, for the resource streams.

/// The id of MAKEINTRESOURCE(id) or of "#123"; 0 for other names.
UINT AFXAPI ResourceIdFromName(LPCTSTR lpszName);
/// The resource type a file name's extension stands for (".png" is "PNG"), 0
/// when none; the name must be longer than its extension.
LPCTSTR AFXAPI ResourceTypeForExtension(LPCTSTR lpszFileName);
/// The first type of `hModule` that has a resource `lpszName`, as text: "#5"
/// for a numbered type; empty when none.
CString AFXAPI FindResourceTypeOfName(HMODULE hModule, LPCTSTR lpszName);
/// The resource in the executable (*phModule null), else in the module the
/// resource search names (*phModule that module).
HRSRC AFXAPI FindResourceInLanguageModule(HMODULE* phModule, LPCTSTR lpszName, LPCTSTR lpszType);
