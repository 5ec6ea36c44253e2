// The link from the themes up to the ribbon: makers of ribbon paint managers
// by class and the questions the themes put to ribbon controls.
#include "themes/TKRibbonServices.h"

#include "commandbars/TKControl.h"

namespace {

void AFX_CDECL NoRefresh(CTKRibbonPaintManager*) {}
void AFX_CDECL NoRelease(CTKRibbonPaintManager*) {}
BOOL AFX_CDECL NoFace(CTKRibbonPaintManager*, CDC*, CTKControl*) { return FALSE; }
BOOL AFX_CDECL NoControl(const CTKControl*) { return FALSE; }
BOOL AFX_CDECL NoQuickAccess(CTKControl*) { return FALSE; }
CTKControl* AFX_CDECL NoNeighbour(const CTKControl*, int) { return nullptr; }

const TK_RIBBON_SERVICES kPlainServices = {NoRefresh,     NoRelease, NoFace,     NoControl,
                                           NoQuickAccess, NoControl, NoNeighbour};

TK_RIBBON_SERVICES& Services() {
  static TK_RIBBON_SERVICES services = kPlainServices;
  return services;
}

PFNTKCREATERIBBONPAINTMANAGER* Creators() {
  static PFNTKCREATERIBBONPAINTMANAGER creators[tkRibbonPaintManagerClassCount] = {};
  return creators;
}

}  // namespace

void AFX_CDECL TKRegisterRibbonPaintManagerCreator(int nClass, PFNTKCREATERIBBONPAINTMANAGER pfn) {
  if (nClass < 0 || nClass >= tkRibbonPaintManagerClassCount) return;
  Creators()[nClass] = pfn;
}

CTKRibbonPaintManager* AFX_CDECL TKCreateRibbonPaintManager(int nClass,
                                                            CTKPaintManagerBase* pOwner) {
  if (nClass < 0 || nClass >= tkRibbonPaintManagerClassCount) return nullptr;
  PFNTKCREATERIBBONPAINTMANAGER pfn = Creators()[nClass];
  return pfn != nullptr ? pfn(pOwner) : nullptr;
}

void AFX_CDECL TKSetRibbonServices(const TK_RIBBON_SERVICES* pServices) {
  Services() = pServices != nullptr ? *pServices : kPlainServices;
}

const TK_RIBBON_SERVICES* AFX_CDECL TKRibbonServices() { return &Services(); }

void AFX_CDECL TKGetGroupedRunEdges(CTKControl* pControl, BOOL* pbStart, BOOL* pbEnd) {
  const TK_RIBBON_SERVICES* pRibbon = TKRibbonServices();
  CTKControl* pPrevious = pRibbon->pfnGetGroupNeighbour(pControl, -1);
  CTKControl* pNext = pRibbon->pfnGetGroupNeighbour(pControl, 1);
  *pbStart = pControl->GetBeginGroup() || pControl->GetWrap() || pPrevious == nullptr;
  *pbEnd = pNext == nullptr || pNext->GetBeginGroup() || pNext->GetWrap();
}
