// CTKMarkupContext: construction, reference counting, objects, parsing, DPI
// scaling and the mouse state it keeps.
#include "markup/TKMarkupContext.h"

#include "TKMarkupContextInternalDispatch.h"
#include "TKMarkupContextScripts.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKResourceManager.h"
#include "TKMarkupKeyboardNavigation.h"
#include "TKMarkupStaticExtension.h"
#include "markup/TKMarkupBuilder.h"
#include "TKMarkupDelegate.h"
#include "TKMarkupFont.h"
#include "TKMarkupGdiPlusApi.h"
#include "markup/TKMarkupParser.h"
#include "markup/TKMarkupRoutedEvent.h"
#include "TKMarkupType.h"

#include <stddef.h>

namespace {

// The message font, with the weight and the other attributes left to the
// font mapper.
LOGFONTA DefaultMarkupFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  LOGFONTA font = metrics.lfMessageFont;
  font.lfCharSet = TKResourceManager()->GetFontCharSet();
  font.lfWidth = 0;
  font.lfEscapement = 0;
  font.lfOrientation = 0;
  font.lfWeight = 0;
  font.lfItalic = 0;
  font.lfUnderline = 0;
  font.lfStrikeOut = 0;
  return font;
}

bool g_bPropertiesRegistered = false;

}  // namespace

CTKMarkupContext::CTKMarkupContext(HWND hWnd)
    : m_hWnd(hWnd),
      m_clrText(0),
      m_clrImageMask(static_cast<COLORREF>(-1)),
      m_lfDefault(DefaultMarkupFont()),
      m_pHoverElement(nullptr),
      m_pCaptureElement(nullptr),
      m_pHoverRoot(nullptr),
      m_pFontHead(nullptr),
      m_pFontTail(nullptr),
      m_pDelegates(new CTKMarkupDelegateMap),
      m_nRef(1),
      m_bGdiPlusEnabled(TRUE),
      m_pDpiHelper(nullptr),
      m_bUpdatesFrozen(FALSE),
      m_bRepaintAllPending(FALSE),
      m_pInternalDispatch(nullptr),
      m_pExtensionRoot(nullptr),
      m_pKeyboardNavigation(nullptr),
      m_pScripts(nullptr),
      m_pImageManager(nullptr) {
  if (!g_bPropertiesRegistered) {
    g_bPropertiesRegistered = true;
    RegisterAllTypeProperties();
  }
  m_pKeyboardNavigation = new CTKMarkupKeyboardNavigation(this);
  // GDI+ runs while any context exists.
  TKMarkupGdiPlusApi()->Initialize(TRUE);
}

CTKMarkupContext::~CTKMarkupContext() {
  CloseScripts();
  delete m_pScripts;
  m_pScripts = nullptr;
  SetImageManager(nullptr);
  // GDI+ may stop with this context: the fonts' GDI+ fonts go first.
  for (CTKMarkupFont* pFont = m_pFontHead; pFont != nullptr; pFont = pFont->m_pNext)
    pFont->DeleteGdiPlusFont();
  TKMarkupGdiPlusApi()->Initialize(FALSE);
  m_pHoverElement = nullptr;
  m_pHoverRoot = nullptr;
  if (m_bUpdatesFrozen) FlushRepaints();
  delete m_pGlobalHandlers;
  delete m_pDelegates;
  // Fonts still held by someone outlive the cache; they just leave it.
  for (CTKMarkupFont* pFont = m_pFontHead; pFont != nullptr;) {
    CTKMarkupFont* pNext = pFont->m_pNext;
    pFont->m_pFontContext = nullptr;
    pFont->m_pNext = nullptr;
    pFont = pNext;
  }
  if (m_pInternalDispatch != nullptr) {
    m_pInternalDispatch->Detach();
    m_pInternalDispatch->InternalRelease();
  }
  delete m_pDpiHelper;
  delete m_pExtensionRoot;
  m_pKeyboardNavigation->Release();
}

CTKMarkupStaticExtension* CTKMarkupContext::GetExtensionRoot() {
  if (m_pExtensionRoot == nullptr) m_pExtensionRoot = CreateMarkupStaticExtensionRoot();
  return m_pExtensionRoot;
}

DWORD CTKMarkupContext::AddRef() { return InterlockedIncrement(&m_nRef); }

DWORD CTKMarkupContext::Release() {
  if (m_nRef == 0) return 0;
  LONG nRef = InterlockedDecrement(&m_nRef);
  if (nRef == 0) delete this;
  return nRef;
}

CTKMarkupObject* CTKMarkupContext::CreateMarkupObject(CTKMarkupType* pType) {
  if (pType == nullptr) return nullptr;
  CTKMarkupObject* pObject = pType->CreateObject(this);
  if (pObject != nullptr) AddRef();
  return pObject;
}

void CTKMarkupContext::OnObjectReleased(CTKMarkupObject* pObject) {
  if (CTKActiveScriptEngine* pEngine = GetScriptEngine()) pEngine->ForgetNamedObject(pObject);
  if (m_pHoverElement == pObject) m_pHoverElement = nullptr;
  if (m_pHoverRoot == pObject) m_pHoverRoot = nullptr;
  if (m_pCaptureElement == pObject) {
    m_pCaptureElement = nullptr;
    ::ReleaseCapture();
  }
  Release();
}

CTKMarkupObject* CTKMarkupContext::Parse(LPCWSTR lpszText, BOOL bRunScripts) {
  ResetMouseState();
  if (lpszText == nullptr) return nullptr;
  CTKMarkupParser parser;
  parser.LoadString(lpszText, lpszText + wcslen(lpszText));
  CTKMarkupBuilder builder(this);
  if (!bRunScripts) builder.SetRunScripts(FALSE);
  return builder.Parse(&parser);
}

CString CTKMarkupContext::ValidateXML(LPCWSTR lpszText) {
  if (lpszText == nullptr) return "No Text To Parse.";
  CTKMarkupParser parser;
  parser.LoadString(lpszText, lpszText + wcslen(lpszText));
  CTKMarkupBuilder builder(this);
  builder.SetScriptMode(CTKMarkupBuilder::scriptsChecked);
  CTKMarkupObject* pRoot = builder.Parse(&parser);
  if (pRoot != nullptr) {
    pRoot->Release();
    return "Done.";
  }
  // Text without any markup fails without a reason of its own.
  return builder.GetErrorText().IsEmpty() ? CString("No Text To Parse.") : builder.GetErrorText();
}

void CTKMarkupContext::SetDefaultFont(HFONT hFont) {
  if (hFont != nullptr) GetObjectA(hFont, sizeof(m_lfDefault), &m_lfDefault);
}

// DPI ----------------------------------------------------------------------------------

void CTKMarkupContext::SetDpiAware(BOOL bDpiAware, HWND hWnd) {
  delete m_pDpiHelper;
  m_pDpiHelper = nullptr;
  if (bDpiAware) m_pDpiHelper = hWnd != nullptr ? new CTKDpiHelper(hWnd) : new CTKDpiHelper();
}

int CTKMarkupContext::ScaleX(int nValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleX(nValue, 96) : nValue;
}

int CTKMarkupContext::ScaleY(int nValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleY(nValue, 96) : nValue;
}

float CTKMarkupContext::ScaleXFloat(float fValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleXFloat(fValue, 96) : fValue;
}

float CTKMarkupContext::ScaleYFloat(float fValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleYFloat(fValue, 96) : fValue;
}

double CTKMarkupContext::ScaleXDouble(double dValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleXDouble(dValue, 96) : dValue;
}

double CTKMarkupContext::ScaleYDouble(double dValue) const {
  return m_pDpiHelper != nullptr ? m_pDpiHelper->ScaleYDouble(dValue, 96) : dValue;
}

CSize CTKMarkupContext::ScaleSize(const SIZE& size) const {
  return CSize(ScaleX(size.cx), ScaleY(size.cy));
}

// Mouse state --------------------------------------------------------------------------

void CTKMarkupContext::SetCapture(CTKMarkupObject* pElement) {
  if (m_pCaptureElement == pElement) return;
  if (m_hWnd != nullptr) ::SetCapture(m_hWnd);
  m_pCaptureElement = pElement;
}

void CTKMarkupContext::ReleaseCapture(CTKMarkupObject*) {
  m_pCaptureElement = nullptr;
  ::ReleaseCapture();
}

void CTKMarkupContext::ResetMouseState() {
  m_pHoverElement = nullptr;
  m_pHoverRoot = nullptr;
  if (m_pCaptureElement != nullptr) {
    m_pCaptureElement = nullptr;
    ::ReleaseCapture();
  }
}

// Delegates ---------------------------------------------------------------------------

CTKMarkupDelegate* CTKMarkupContext::FindDelegate(LPCWSTR lpszName) {
  if (m_pDelegates == nullptr || lpszName == nullptr) return nullptr;
  if (CTKMarkupDelegate* pDelegate = m_pDelegates->Lookup(lpszName)) return pDelegate;
  CTKMarkupDelegate* pDelegate = new CTKMarkupOleAutoDelegate(lpszName, m_pDelegates);
  m_pDelegates->SetAt(lpszName, pDelegate);
  return pDelegate;
}

void CTKMarkupContext::SetMethod(IDispatch* pObject, LPCWSTR lpszMethod, BOOL bFromScript) {
  if (pObject == nullptr || lpszMethod == nullptr) return;
  m_pDelegates->SetAt(lpszMethod, new CTKMarkupOleDelegate(pObject, lpszMethod), bFromScript);
}

void CTKMarkupContext::SetHandler(IDispatch* pHandler, BOOL bFromScript) {
  m_pDelegates->SetHandler(pHandler, bFromScript);
}

void CTKMarkupContext::AddHandler(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate) {
  if (pEvent == nullptr || pDelegate == nullptr) return;
  if (m_pGlobalHandlers == nullptr) m_pGlobalHandlers = new CTKMarkupEventHandlerMap;
  m_pGlobalHandlers->Add(pEvent, pDelegate);
}

void CTKMarkupContext::RaiseEvent(CTKMarkupObject* pSender, CTKMarkupRoutedEventArgs* pArgs) {
  if (m_pGlobalHandlers != nullptr) m_pGlobalHandlers->Raise(pSender, pArgs);
}

LPDISPATCH CTKMarkupContext::GetInternalDispatch() {
  if (m_pInternalDispatch == nullptr)
    m_pInternalDispatch = new CTKMarkupContextInternalDispatch(this);
  return m_pInternalDispatch->GetIDispatch(FALSE);
}

// Images --------------------------------------------------------------------------------

CTKImageManager* CTKMarkupContext::GetImageManager() const {
  return m_pImageManager != nullptr ? m_pImageManager : TKImageManager();
}

void CTKMarkupContext::SetImageManager(CTKImageManager* pManager) {
  if (pManager != nullptr) pManager->InternalAddRef();
  if (m_pImageManager != nullptr) m_pImageManager->InternalRelease();
  m_pImageManager = pManager;
}

COLORREF CTKMarkupContext::GetImageMaskColor() const {
  if (m_clrImageMask != static_cast<COLORREF>(-1)) return m_clrImageMask;
  const COLORREF clrManager = GetImageManager()->m_clrMask;
  return clrManager != static_cast<COLORREF>(-1) ? clrManager : RGB(0, 255, 0);
}
