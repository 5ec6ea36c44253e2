// The current resource theme: one theme INI text parsed into typed values, and
// the cache of its named images.
#pragma once

#include "afxcoll.h"
#include "afxwin.h"

class CTKBitmapDC;
class CTKNotifyConnection;
class CTKResourceImage;

/// Event code sent through GetConnection() after every theme text selection.
#define TK_NOTIFY_RESOURCEIMAGES_CHANGED 0x294F

/// The process-wide store of the theme INI text and its images (accessor
/// TKResourceImages()). Values are parsed once per selection and looked up by
/// section and key, both without regard to case; images are decoded once and
/// cached by name. Used on the UI thread; the images lock guards the image
/// cache and the drawing DC and bitmap that every CTKResourceImage shares.
class CTKResourceImages : public CCmdTarget {
 public:
  /// Selects the application's module and loads its default theme text.
  CTKResourceImages();
  ~CTKResourceImages() override;

  /// SetHandleEx without an extra text.
  void SetHandle(HMODULE hModule, LPCSTR lpszIniName = NULL, BOOL bOwnsModule = FALSE);
  /// Selects the module that holds the texts and images and loads the theme
  /// text lpszIniName ('.' read as '_', a "TEXTFILE" resource), then the
  /// optional extra text on top of it. FALSE when the main text is missing
  /// or a found extra text cannot be loaded. With bOwnsModule the module is
  /// freed when another is selected or this object goes.
  BOOL SetHandleEx(HMODULE hModule, LPCSTR lpszIniName, LPCSTR lpszExtraIniName, BOOL bOwnsModule);
  /// Empties the image cache and the values, then loads the named text, or
  /// without a name OFFICE2007BLUE_INI or else the module's first text; tells
  /// the connection either way. FALSE when no text was found.
  BOOL LoadIniResource(LPCSTR lpszIniName);

  /// Values are loaded (also from the unnamed default text).
  BOOL IsLoaded() const { return !m_mapValues.IsEmpty(); }
  HMODULE GetHandle() const { return m_hModule; }
  /// The name the text was last selected by, '.' replaced by '_'; empty while
  /// only the default text is loaded.
  const CString& GetIniName() const { return m_strIniName; }
  BOOL IsPremultiplyImages() const { return m_bPremultiplyImages; }

  /// The hash of a section and key: upper-cased, joined with a separator
  /// that no section or key name contains, so that no two different pairs
  /// share a text. 0 for a null section or key.
  static UINT GetKeyHash(LPCSTR lpszSection, LPCSTR lpszKey);
  /// The stored text, empty when the section or key is empty or missing.
  CString GetIniValue(LPCSTR lpszSection, LPCSTR lpszKey) const;
  /// "R G B" (each "%i", cut to its low byte); "-1" gives -1; text that is
  /// not three numbers gives 0; a missing or empty value gives the default.
  COLORREF GetIniColor(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF clrDefault) const;
  /// "left top right bottom"; all 0 unless all four numbers read.
  CRect GetIniRect(LPCSTR lpszSection, LPCSTR lpszKey, const CRect& rcDefault) const;
  /// "cx cy"; 0, 0 unless both numbers read.
  CSize GetIniSize(LPCSTR lpszSection, LPCSTR lpszKey, const CSize& szDefault) const;
  /// atoi of the text.
  int GetIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault) const;
  CString GetIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault) const;

  /// The connection that tells listeners of a new selection; made on first use
  /// and owned by this object.
  CTKNotifyConnection* GetConnection();

  /// The cached image of that name (case-sensitive), loaded on first request;
  /// owned by the cache, valid until the next selection. Null for a null name
  /// or an image that cannot be loaded; a failed name is tried again later.
  CTKResourceImage* LoadImage(LPCSTR lpszImageName);
  /// The [Images] entry of the name, or the name itself, with every '.' and
  /// '\' replaced by '_'.
  CString GetImageResourceName(LPCSTR lpszImageName) const;
  /// A new image loaded from the module; null when it cannot be loaded.
  CTKResourceImage* CreateImage(LPCSTR lpszImageName);
  /// Releases every cached image.
  void RemoveAll();
  void RemoveAllValues() { m_mapValues.RemoveAll(); }

  /// The shared square 32-bit drawing bitmap, at least cx by cy, grown to a
  /// power of two and never shrunk; its bits and size are returned too. Only
  /// for image drawing under the images lock. Null when it cannot be made.
  HBITMAP GetDrawBitmap(int cx, int cy, BYTE** ppBits, CSize* pSize);
  CTKBitmapDC* GetDrawDC() const { return m_pDrawDC; }
  CRITICAL_SECTION* GetImagesLock() { return &m_csImages; }

  /// Parses one theme text of exactly nSize bytes into the values (on top of
  /// what is there). Text after the last carriage return is ignored.
  void ParseIniText(const char* pText, DWORD nSize);
  /// One line from pos up to the next carriage return (never past pEnd); pos
  /// moves past the carriage return and one line feed. FALSE, pos unchanged,
  /// when no carriage return follows.
  static BOOL ReadLine(CString& strLine, const char*& pos, const char* pEnd);
  /// The module's first "TEXTFILE" resource, null when it has none.
  static HRSRC FindFirstTextFile(HMODULE hModule);
  /// Parses the resource's text; FALSE only when it cannot be loaded.
  BOOL LoadIniText(HRSRC hResource, BOOL bAppend);

 protected:
  /// The map key of a section and key (see GetKeyHash).
  static CString MakeValueKey(LPCSTR lpszSection, LPCSTR lpszKey);

  CString m_strIniName;
  HMODULE m_hModule;
  BOOL m_bOwnsModule;
  CRITICAL_SECTION m_csImages;
  BOOL m_bPremultiplyImages;
  CTKBitmapDC* m_pDrawDC;
  HBITMAP m_hDrawBitmap;
  BYTE* m_pDrawBits;
  CTKNotifyConnection* m_pConnection;
  /// Values by MakeValueKey; the later line of equal pairs wins.
  CMapStringToString m_mapValues;
  /// Images by name as the callers spell it; an entry may hold null.
  CMapStringToPtr m_mapImages;
};

/// The process-wide resource images.
CTKResourceImages* TKResourceImages();

/// The theme values with a default: the default while no theme text has been
/// selected by name, otherwise the read of TKResourceImages().
COLORREF GetThemeIniColor(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF clrDefault);
int GetThemeIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault);
CRect GetThemeIniRect(LPCSTR lpszSection, LPCSTR lpszKey, const CRect& rcDefault);
CSize GetThemeIniSize(LPCSTR lpszSection, LPCSTR lpszKey, const CSize& szDefault);
CString GetThemeIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault);
