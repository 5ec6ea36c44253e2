// CTKMarkupThemePart and CTKMarkupStyleArchive.
#include "themes/TKMarkupThemePart.h"

#include <vector>

#include "common/TKResource.h"
#include "markup/TKMarkupFlat.h"
#include "markup/TKMarkupNamedElements.h"

namespace {
const char kStyleType[] = "STYLE";
const char kBorder[] = "Border";
const char kCanvas[] = "Canvas";
}  // namespace

CTKMarkupThemePart::CTKMarkupThemePart() : m_pElement(nullptr) {}

CTKMarkupThemePart::~CTKMarkupThemePart() { ReleaseMarkupElement(m_pElement); }

BOOL CTKMarkupThemePart::LoadFromZip(HTKZIP hZip, LPCSTR lpszName, CTKMarkupContext* pContext) {
  if (hZip == nullptr || lpszName == nullptr) return FALSE;
  int nIndex = -1;
  TK_ZIPENTRY entry;
  if (FindZipEntry(hZip, lpszName, TRUE, &nIndex, &entry) != TK_ZIP_OK) return FALSE;

  ReleaseMarkupElement(m_pElement);
  // One byte more than the item keeps the text terminated.
  std::vector<char> text(static_cast<size_t>(entry.uncompressedSize) + 1, '\0');
  if (ExtractZipEntryToMemory(hZip, nIndex, text.data(), entry.uncompressedSize) != TK_ZIP_OK)
    return FALSE;
  m_pElement = ParseMarkupText(pContext, text.data());
  return m_pElement != nullptr;
}

CSize CTKMarkupThemePart::GetDesiredSize(int cx, int cy) {
  if (m_pElement == nullptr) return CSize(0, 0);
  return CSize(MeasureMarkupElement(m_pElement, cx, cy));
}

int CTKMarkupThemePart::Render(CDC* pDC, CRect rc) {
  if (m_pElement == nullptr || pDC == nullptr || pDC->GetSafeHdc() == nullptr) return 0;
  return RenderMarkupElement(m_pElement, pDC->GetSafeHdc(), &rc);
}

void CTKMarkupThemePart::SetBorderColors(COLORREF clrBorder, COLORREF clrBackground) {
  SetMarkupNamedBorderBrush(m_pElement, kBorder, clrBorder);
  SetMarkupNamedBackground(m_pElement, kBorder, clrBackground);
}

void CTKMarkupThemePart::SetBackgroundColor(COLORREF clr) {
  SetMarkupNamedBackground(m_pElement, kBorder, clr);
}

void CTKMarkupThemePart::SetOutlineColor(COLORREF clr) {
  SetMarkupPanelShapeBrushes(m_pElement, kCanvas, "Outline", clr, FALSE);
}

void CTKMarkupThemePart::SetStrokeColor(COLORREF clr) {
  SetMarkupPanelShapeBrushes(m_pElement, kCanvas, "Stroke", clr, FALSE);
}

void CTKMarkupThemePart::SetFillColor(COLORREF clr) {
  SetMarkupPanelShapeBrushes(m_pElement, kCanvas, "Fill", clr, TRUE);
}

CTKMarkupStyleArchive::CTKMarkupStyleArchive(LPCSTR lpszResourceName, HMODULE hModule)
    : m_hZip(nullptr) {
  if (hModule == nullptr) hModule = AfxFindResourceHandle(lpszResourceName, kStyleType);
  CTKResource resource;
  if (!resource.LoadResource(hModule, lpszResourceName, kStyleType)) return;
  // Resources stay mapped with their module, so the archive may read them later.
  m_hZip = OpenZipArchive(resource.m_lpData, resource.m_dwSize, nullptr);
}

CTKMarkupStyleArchive::~CTKMarkupStyleArchive() {
  if (m_hZip != nullptr) CloseZipArchive(m_hZip);
}
