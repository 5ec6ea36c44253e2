// CTKResourceImages: selecting a theme text, the image cache and the shared
// drawing bitmap.
#include "common/TKResourceImages.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKDCHelpers.h"
#include "common/TKNotifyConnection.h"
#include "common/TKResourceImage.h"
#include "common/TKScopedHandle.h"
#include "common/TKSingletonPointer.h"

namespace {

const char kTextFileType[] = "TEXTFILE";

CString ResourceNameOf(LPCSTR lpszFileName) {
  CString strName(lpszFileName);
  strName.Replace('.', '_');
  return strName;
}

BOOL CALLBACK EnumFirstResourceNameProc(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam) {
  CString* pName = reinterpret_cast<CString*>(lParam);
  *pName = IS_INTRESOURCE(lpszName) ? CString() : CString(lpszName);
  if (IS_INTRESOURCE(lpszName)) pName->Format("#%u", (UINT)(UINT_PTR)lpszName);
  return FALSE;
}

}  // namespace

CTKResourceImages::CTKResourceImages()
    : m_hModule(NULL),
      m_bOwnsModule(FALSE),
      m_bPremultiplyImages(FALSE),
      m_pDrawDC(NULL),
      m_hDrawBitmap(NULL),
      m_pDrawBits(NULL),
      m_pConnection(NULL),
      m_mapValues(10),
      m_mapImages(10) {
  m_mapValues.InitHashTable(101, FALSE);
  m_mapImages.InitHashTable(199, FALSE);
  ::InitializeCriticalSection(&m_csImages);
  HMODULE hInstance = AfxGetInstanceHandle();
  SetHandle(hInstance != NULL ? hInstance : ::GetModuleHandleA(NULL), NULL, FALSE);
  m_pDrawDC = new CTKBitmapDC();
  m_pDrawDC->Attach(::CreateCompatibleDC(CTKScopedWindowDC(NULL).Get()));
}

CTKResourceImages::~CTKResourceImages() {
  delete m_pDrawDC;
  if (m_pConnection != NULL) m_pConnection->InternalRelease();
  RemoveAll();
  if (m_bOwnsModule && m_hModule != NULL) ::FreeLibrary(m_hModule);
  if (m_hDrawBitmap != NULL) ::DeleteObject(m_hDrawBitmap);
  ::DeleteCriticalSection(&m_csImages);
}

void CTKResourceImages::SetHandle(HMODULE hModule, LPCSTR lpszIniName, BOOL bOwnsModule) {
  SetHandleEx(hModule, lpszIniName, NULL, bOwnsModule);
}

BOOL CTKResourceImages::SetHandleEx(HMODULE hModule, LPCSTR lpszIniName, LPCSTR lpszExtraIniName,
                                    BOOL bOwnsModule) {
  // Selecting the owned module again must not free it under our feet.
  if (m_bOwnsModule && m_hModule != NULL && m_hModule != hModule) ::FreeLibrary(m_hModule);
  m_hModule = hModule;
  m_bOwnsModule = bOwnsModule;
  BOOL bLoaded = LoadIniResource(lpszIniName);
  if (lpszExtraIniName != NULL && m_hModule != NULL) {
    HRSRC hExtra = ::FindResourceA(m_hModule, ResourceNameOf(lpszExtraIniName), kTextFileType);
    if (hExtra != NULL && !LoadIniText(hExtra, TRUE)) bLoaded = FALSE;
  }
  return bLoaded;
}

BOOL CTKResourceImages::LoadIniResource(LPCSTR lpszIniName) {
  RemoveAll();
  RemoveAllValues();
  HRSRC hResource = NULL;
  if (lpszIniName != NULL) {
    m_strIniName = ResourceNameOf(lpszIniName);
    if (m_hModule != NULL) hResource = ::FindResourceA(m_hModule, m_strIniName, kTextFileType);
  } else if (m_hModule != NULL) {
    hResource = ::FindResourceA(m_hModule, "OFFICE2007BLUE_INI", kTextFileType);
    if (hResource == NULL) hResource = FindFirstTextFile(m_hModule);
  }
  BOOL bLoaded = LoadIniText(hResource, FALSE);
  if (m_pConnection != NULL) m_pConnection->SendEvent(TK_NOTIFY_RESOURCEIMAGES_CHANGED, 0, 0, 0);
  m_bPremultiplyImages = GetIniInt("Global", "PremultiplyImages", 0);
  return bLoaded;
}

HRSRC CTKResourceImages::FindFirstTextFile(HMODULE hModule) {
  CString strName;
  ::EnumResourceNamesA(hModule, kTextFileType, EnumFirstResourceNameProc, (LONG_PTR)&strName);
  if (strName.IsEmpty()) return NULL;
  return ::FindResourceA(hModule, strName, kTextFileType);
}

BOOL CTKResourceImages::LoadIniText(HRSRC hResource, BOOL /*bAppend*/) {
  if (hResource == NULL || m_hModule == NULL) return FALSE;
  HGLOBAL hData = ::LoadResource(m_hModule, hResource);
  if (hData == NULL) return FALSE;
  const char* pText = static_cast<const char*>(::LockResource(hData));
  if (pText == NULL) return FALSE;
  ParseIniText(pText, ::SizeofResource(m_hModule, hResource));
  return TRUE;
}

CTKNotifyConnection* CTKResourceImages::GetConnection() {
  if (m_pConnection == NULL) m_pConnection = new CTKNotifyConnection();
  return m_pConnection;
}

CString CTKResourceImages::GetImageResourceName(LPCSTR lpszImageName) const {
  CString strName = GetIniString("Images", lpszImageName, "");
  if (strName.IsEmpty()) strName = lpszImageName;
  strName.Replace('.', '_');
  strName.Replace('\\', '_');
  return strName;
}

CTKResourceImage* CTKResourceImages::CreateImage(LPCSTR lpszImageName) {
  CTKResourceImage* pImage = new CTKResourceImage(this);
  if (!pImage->LoadFromResource(m_hModule, GetImageResourceName(lpszImageName))) {
    delete pImage;
    return NULL;
  }
  return pImage;
}

CTKResourceImage* CTKResourceImages::LoadImage(LPCSTR lpszImageName) {
  if (lpszImageName == NULL) return NULL;
  ::EnterCriticalSection(&m_csImages);
  void* pCached = NULL;
  if (m_mapImages.Lookup(lpszImageName, pCached) && pCached != NULL) {
    ::LeaveCriticalSection(&m_csImages);
    return static_cast<CTKResourceImage*>(pCached);
  }
  CTKResourceImage* pImage = CreateImage(lpszImageName);
  if (pImage != NULL && m_bPremultiplyImages) pImage->PremultiplyBits();
  m_mapImages.SetAt(lpszImageName, pImage);
  ::LeaveCriticalSection(&m_csImages);
  return pImage;
}

void CTKResourceImages::RemoveAll() {
  POSITION pos = m_mapImages.GetStartPosition();
  while (pos != NULL) {
    CString strName;
    void* pImage = NULL;
    m_mapImages.GetNextAssoc(pos, strName, pImage);
    if (pImage != NULL) static_cast<CTKResourceImage*>(pImage)->InternalRelease();
  }
  m_mapImages.RemoveAll();
}

HBITMAP CTKResourceImages::GetDrawBitmap(int cx, int cy, BYTE** ppBits, CSize* pSize) {
  if (m_hDrawBitmap != NULL) {
    BITMAP bm = {};
    if (::GetObjectA(m_hDrawBitmap, sizeof(bm), &bm) == 0 || bm.bmWidth < cx || bm.bmHeight < cy) {
      ::DeleteObject(m_hDrawBitmap);
      m_hDrawBitmap = NULL;
    } else if (pSize != NULL) {
      *pSize = CSize(bm.bmWidth, bm.bmHeight);
    }
  }
  if (m_hDrawBitmap == NULL) {
    m_pDrawBits = NULL;
    int nSide = 1;
    while (nSide < cx || nSide < cy) nSide *= 2;
    m_hDrawBitmap = Create32BitDIBSection(NULL, nSide, nSide, &m_pDrawBits);
    if (pSize != NULL) *pSize = m_hDrawBitmap != NULL ? CSize(nSide, nSide) : CSize(0, 0);
  }
  if (ppBits != NULL) *ppBits = m_pDrawBits;
  return m_hDrawBitmap;
}

TK_IMPLEMENT_SINGLETON(CTKResourceImages, TKResourceImages)
